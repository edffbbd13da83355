' Outlook's stand-in as VBScript calls it: For Each, the default member, Err with the
' product's error, and the world written back once all is released.
Option Explicit
Dim tasks, task, seen, json
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
If seen <> "First,Second," Then WScript.Echo "FAIL For Each in order, got " & seen
If tasks(2).SUBJECT <> "Second" Then WScript.Echo "FAIL the collection's default member is Item"

On Error Resume Next
tasks.Restrict "no filter"
If Err.Number <> -2147352567 Or Err.Source <> "Microsoft Outlook" Or _
   Err.Description <> "Cannot parse condition. Error at ""no filter""." Then
    WScript.Echo "FAIL the product's error, got " & Err.Number & " " & Err.Source & ": " & Err.Description
End If
On Error GoTo 0

Set task = Nothing
Set tasks = Nothing
json = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0) & "\outlook.json").ReadAll()
If InStr(json, """name"": ""subject""") = 0 Or InStr(json, """date"": ""2025-03-01T00:00:00""") = 0 Then
    WScript.Echo "FAIL the saved world keeps the spelling and the date: " & json
End If
WScript.Echo "done"
