' The control writing into the stand-in server: the "msn" route hands each contact to the
' server's object, which reads the control's record through the bridge, and the world that
' the server saves once everything is released holds what was written.
Option Explicit
Dim agent, json
Set agent = CreateObject("Orvantis.OrvantisAgent")
agent.LoadXML "<datas open='msn'><contact><firstname>Ann</firstname><lastname>O'Hara</lastname></contact>" & _
              "<contact><firstname>Bo</firstname></contact></datas>"
If Not agent.isOk Then WScript.Echo "FAIL the load did not finish"
Set agent = Nothing
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\probe.json").ReadAll()
If InStr(json, "[{""name"": ""Firstname"", ""value"": ""Ann""}, {""name"": ""Lastname"", ""value"": ""O'Hara""}]}," & vbLf & _
               "  {""fields"": [{""name"": ""Firstname"", ""value"": ""Bo""}, {""name"": ""Lastname"", ""value"": """"}]}") = 0 Then
    WScript.Echo "FAIL the world holds the contacts: " & json
End If
WScript.Echo "done"
