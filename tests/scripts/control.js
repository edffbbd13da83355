// The control as a page's script uses it, through the real script host.
var failures = 0;
function check(ok, what) {
    if (!ok) {
        failures++;
        WScript.Echo("FAIL " + what);
    }
}

var agent = new ActiveXObject("Orvantis.OrvantisAgent");
agent.XML = "<datas open='nowhere'/>";
check(agent.XML == "toto", "XML reads toto, got " + agent.XML);
check(agent.isOk() === false, "setting XML loads nothing");
var result = agent.LoadXML("<datas open='nowhere'><contact><firstname>Ann</firstname></contact></datas>");
check(typeof result == "undefined", "LoadXML returns an empty variant");
check(agent.isOk() === true, "a good document loads");

var number = null;
try {
    agent.LoadXML("<datas open='x'><event><start>20241399T1000</start></event></datas>");
} catch (e) {
    number = e.number;
}
check(number == -2146828275, "a bad date is error 13, got " + number);
number = null;
try {
    agent.LoadXML("<r><datas/><contact/></r>");
} catch (e) {
    number = e.number;
}
check(number == -2146828197, "datas without open is error 91, got " + number);
check(agent.isOk() === false, "a failed load is not ok");
WScript.Echo("done");
WScript.Quit(failures);
