' The control's errors as VBScript's Err sees them, the document passed in a variable (by
' reference), and Null, which a script can pass where JScript cannot.
Option Explicit
Dim agent, document
Set agent = CreateObject("Orvantis.OrvantisAgent")
document = "<datas open='nowhere'><todo><subject>s</subject></todo></datas>"
agent.LoadXML document
If Not agent.isOk Then WScript.Echo "FAIL a good document loads"

On Error Resume Next
agent.LoadXML "<datas open='x'><event><start>20241399T1000</start></event></datas>"
If Err.Number <> 13 Or Err.Source <> "Orvantis" Then WScript.Echo "FAIL a bad date is Orvantis's error 13, got " & Err.Number & " from " & Err.Source
Err.Clear
agent.LoadXML "<r><datas/><contact/></r>"
If Err.Number <> 91 Or agent.isOk Then WScript.Echo "FAIL datas without open is error 91 and not ok, got " & Err.Number
Err.Clear
agent.LoadXML Null
If Err.Number <> 94 Or Err.Description = "" Then WScript.Echo "FAIL Null is error 94, got " & Err.Number
On Error GoTo 0
WScript.Echo "done"
