' After control-outlook.js: loading the same contact again updates it (also with an apostrophe
' in its identifier), while every load adds its appointment anew.
Option Explicit
Dim agent, json, i
Function Occurrences(text, needle)
    Occurrences = UBound(Split(text, needle))
End Function
Set agent = CreateObject("Orvantis.OrvantisAgent")
For i = 1 To 2
    agent.LoadXML "<datas open='outlook'><contact><id>J-1</id><lastname>Jensen-Holm</lastname></contact>" & _
                  "<contact><id>O'Brien</id><lastname>O'Brien</lastname></contact>" & _
                  "<event><subject>Kick-off</subject><start>20261214T100000</start><end>20261214T110000</end>" & _
                  "<full-day>0</full-day></event></datas>"
    If Not agent.isOk Then WScript.Echo "FAIL load " & i & " did not finish"
Next
Set agent = Nothing
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\outlook.json").ReadAll()
If Occurrences(json, """value"": ""Jensen""") <> 0 Or Occurrences(json, """value"": ""Jensen-Holm""") <> 1 Then
    WScript.Echo "FAIL Jensen updated in place: " & json
End If
If Occurrences(json, """value"": ""O'Brien""") <> 2 Then WScript.Echo "FAIL one O'Brien contact (name and identifier)"
If Occurrences(json, """value"": ""Kick-off""") <> 3 Then WScript.Echo "FAIL three appointments"
WScript.Echo "done"
