' The control loading into Outlook's stand-in, each Outlook object released after its
' insertion (the server saves the world only then): the second load updates the contacts
' found by their identifiers (one holding an apostrophe) and adds the appointment and task anew.
Option Explicit
Dim agent, json, i
Function Occurrences(text, needle)
    Occurrences = UBound(Split(text, needle))
End Function
Set agent = CreateObject("Orvantis.OrvantisAgent")
For i = 1 To 2
    agent.LoadXML "<datas open='outlook'><contact><id>J-1</id><lastname>Jensen-" & i & "</lastname>" & _
                  "<company-fax>+45 1</company-fax></contact><contact><id>O'Brien</id><lastname>O'Brien</lastname></contact>" & _
                  "<event><subject>Kick-off</subject><start>20261214T100000</start><end>20261214T110000</end>" & _
                  "<reminder>30</reminder><full-day>0</full-day></event>" & _
                  "<todo><subject>Call back</subject><priority>2</priority><state>1</state></todo></datas>"
    If Not agent.isOk Then WScript.Echo "FAIL load " & i & " did not finish"
Next
Set agent = Nothing
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\outlook.json").ReadAll()
If Occurrences(json, """value"": ""Jensen-1""") <> 0 Or Occurrences(json, """value"": ""Jensen-2""") <> 1 Then
    WScript.Echo "FAIL Jensen updated in place: " & json
End If
If InStr(json, """name"": ""BusinessFaxNumber""," & vbLf & "                  ""value"": ""+45 1""") = 0 Then WScript.Echo "FAIL the fax kept"
If Occurrences(json, """value"": ""O'Brien""") <> 2 Then WScript.Echo "FAIL one O'Brien contact (name and identifier)"
If Occurrences(json, """value"": ""Kick-off""") <> 2 Then WScript.Echo "FAIL two appointments"
If Occurrences(json, """value"": ""Call back""") <> 2 Then WScript.Echo "FAIL two tasks"
WScript.Echo "done"
