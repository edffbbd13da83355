' Outlook's stand-in straight from the real script host, as VBScript calls it: For Each, the
' default member, Err with the product's error, and the world written back once all is
' released. Runs before the control's scripts, which count what they find in the folders.
Option Explicit
Dim failures : failures = 0
Sub Check(ok, what)
    If Not ok Then
        failures = failures + 1
        WScript.Echo "FAIL " & what
    End If
End Sub

Dim tasks, task, seen, number, source
Set tasks = CreateObject("Outlook.Application").GetNamespace("MAPI").GetDefaultFolder(13).Items
For Each seen In Array("First", "Second")
    Set task = tasks.Add()
    task.subject = seen
    task.DueDate = DateSerial(2025, 3, 1)
    task.Save
Next
seen = ""
For Each task In tasks
    seen = seen & task.Subject & ","
Next
Check seen = "First,Second,", "For Each in order, got " & seen
Check tasks(2).SUBJECT = "Second", "the collection's default member is Item"

On Error Resume Next
tasks.Restrict "no filter"
number = Err.Number
source = Err.Source
On Error GoTo 0
Check number = -2147352567, "the product's number, got " & number
Check source = "Microsoft Outlook", "the product's source, got " & source

Set task = Nothing
Set tasks = Nothing
Dim json
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\outlook.json").ReadAll()
Check InStr(json, """name"": ""subject""") > 0 And InStr(json, """date"": ""2025-03-01T00:00:00""") > 0, _
      "the saved world keeps the spelling and the date: " & json
WScript.Echo "done"
WScript.Quit failures
