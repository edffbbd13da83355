' Loads an item document through the installed Orvantis control.
' usage: cscript //nologo load.vbs DOCUMENT.xml
Dim file, agent
Set file = CreateObject("Msxml2.DOMDocument.6.0")
file.async = False
If Not file.load(WScript.Arguments(0)) Then
    WScript.Echo "cannot read " & WScript.Arguments(0) & ": " & file.parseError.reason
    WScript.Quit 2
End If
Set agent = CreateObject("Orvantis.OrvantisAgent")
On Error Resume Next
agent.LoadXML file.xml
If Err.Number <> 0 Then
    WScript.Echo "error " & Err.Number & ": " & Err.Description
    WScript.Quit 1
End If
On Error GoTo 0
If agent.isOk Then WScript.Echo "loaded" Else WScript.Echo "not loaded"
