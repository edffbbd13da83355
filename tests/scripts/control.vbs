' The control as a page's VBScript uses it, through the real script host.
Dim failures, agent
failures = 0
Sub Check(ok, what)
    If Not ok Then
        failures = failures + 1
        WScript.Echo "FAIL " & what
    End If
End Sub

Set agent = CreateObject("Orvantis.OrvantisAgent")
agent.XML = "<datas open='nowhere'/>"
Check agent.XML = "toto", "XML reads toto, got " & agent.XML
agent.LoadXML "<datas open='nowhere'><todo><subject>s</subject></todo></datas>"
Check agent.isOk = True, "a good document loads"

On Error Resume Next
agent.LoadXML "<datas open='x'><event><start>20241399T1000</start></event></datas>"
Check Err.Number = 13, "a bad date is error 13, got " & Err.Number
Check Err.Source = "Orvantis", "the error comes from Orvantis, got " & Err.Source
Err.Clear
agent.LoadXML "<r><datas/><contact/></r>"
Check Err.Number = 91, "datas without open is error 91, got " & Err.Number
Check agent.isOk = False, "a failed load is not ok"
On Error GoTo 0
WScript.Echo "done"
WScript.Quit failures
