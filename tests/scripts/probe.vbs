' The stand-in server through the real script host, as VBScript calls it: For Each, default
' members, Err with the product's number, and the world written back once all is released.
Option Explicit
Dim failures : failures = 0
Sub Check(ok, what)
    If Not ok Then
        failures = failures + 1
        WScript.Echo "FAIL " & what
    End If
End Sub

Dim probe, items, item, seen, number, source
Set probe = CreateObject("Orvantis.StandInProbe")
Set items = probe.Items
For Each seen In Array("Ann", "Bo")
    Set item = items.Add()
    item.name = seen
    item.Due = DateSerial(2025, 3, 1)
Next
seen = ""
For Each item In items
    seen = seen & item.Name & ","
Next
Check seen = "Ann,Bo,", "For Each in order, got " & seen
Check items(1) = "Ann", "default members: Item of the collection, Name of the item"

On Error Resume Next
probe.Fail 1234, "No such folder"
number = Err.Number
source = Err.Source
On Error GoTo 0
Check number = 1234, "the product's number, got " & number
Check source = "Probe", "the product's source, got " & source

Set item = Nothing
Set items = Nothing
Set probe = Nothing
Dim json
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\probe.json").ReadAll()
Check InStr(json, "{""name"": ""name"", ""value"": ""Bo""}, {""name"": ""Due"", ""value"": {""date"": ""2025-03-01""}}") > 0, _
      "the saved world keeps the spelling and the date: " & json
WScript.Echo "done"
WScript.Quit failures
