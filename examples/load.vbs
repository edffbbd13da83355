' Loads an item document through the installed Orvantis control.
' usage: cscript //nologo load.vbs DOCUMENT.xml
' The control receives the file's text exactly as written (UTF-8, or UTF-16 by its byte
' order mark), so that it alone parses the document and reports its errors.
If WScript.Arguments.Count <> 1 Then
    WScript.Echo "usage: cscript //nologo load.vbs DOCUMENT.xml"
    WScript.Quit 2
End If

' Read through a file URL: the request decodes the bytes by their byte order mark and
' leaves the text as it stands.
Function ReadText(path)
    Dim fso, url, request
    Set fso = CreateObject("Scripting.FileSystemObject")
    url = Replace(fso.GetAbsolutePathName(path), "\", "/")
    url = "file:///" & Replace(Replace(url, "%", "%25"), "#", "%23")
    ' The host's CreateObject: Wine's VBScript refuses this object to its own.
    Set request = WScript.CreateObject("Msxml2.XMLHTTP.6.0")
    request.open "GET", url, False
    request.send
    ReadText = request.responseText  ' a byte order mark stays in front; the control skips it
End Function

Dim text, agent
On Error Resume Next
text = ReadText(WScript.Arguments(0))
If Err.Number <> 0 Then
    WScript.Echo "cannot read " & WScript.Arguments(0) & ": " & Err.Description
    WScript.Quit 2
End If
On Error GoTo 0
Set agent = CreateObject("Orvantis.OrvantisAgent")
On Error Resume Next
agent.LoadXML text
If Err.Number <> 0 Then
    WScript.Echo "error " & Err.Number & ": " & Err.Description
    WScript.Quit 1
End If
On Error GoTo 0
If agent.isOk Then
    WScript.Echo "loaded"
    WScript.Quit 0
End If
WScript.Echo "not loaded"
WScript.Quit 1
