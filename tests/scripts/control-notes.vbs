' The control loading into Notes' stand-in from VBScript: a second load updates the contact
' found by its identifier, while every load adds its appointment and task anew.
Option Explicit
Dim agent, json, i
Function Occurrences(text, needle)
    Occurrences = UBound(Split(text, needle))
End Function
Set agent = CreateObject("Orvantis.OrvantisAgent")
For i = 1 To 2
    agent.LoadXML "<datas open='notes'><contact><id>N-1</id><lastname>Nakamura</lastname>" & _
                  "<notes>Load " & i & "</notes></contact>" & _
                  "<event><subject>Kick-off</subject><start>20261214T100000</start><end>20261214T110000</end></event>" & _
                  "<todo><subject>Follow up</subject><state>2</state></todo></datas>"
    If Not agent.isOk Then WScript.Echo "FAIL load " & i & " did not finish"
Next
Set agent = Nothing
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\notes.json").ReadAll()
If Occurrences(json, """value"": ""Nakamura""") <> 1 Then WScript.Echo "FAIL one Nakamura document: " & json
If Occurrences(json, """text"": ""Load 2""") <> 1 Or Occurrences(json, """text"": ""Load 1""") <> 0 Then
    WScript.Echo "FAIL the notes replaced on update: " & json
End If
If Occurrences(json, """value"": ""Kick-off""") <> 2 Then WScript.Echo "FAIL two appointments"
If Occurrences(json, """value"": ""9""") <> 2 Then WScript.Echo "FAIL two tasks done"
WScript.Echo "done"
