// The control as a page's script uses it, through the real script host.
var failures = 0;
function check(ok, what) {
    if (!ok) {
        failures++;
        WScript.Echo("FAIL " + what);
    }
}
function errorOf(agent, document) {
    try {
        agent.LoadXML(document);
    } catch (e) {
        return e;
    }
    return null;
}

var agent = new ActiveXObject("Orvantis.OrvantisAgent");
check(agent.XML == "toto", "XML reads toto");
agent.XML = "<datas open='x'/>";
check(agent.XML == "toto", "XML stores nothing");
check(agent.isOk() === false, "not loaded before any load");

var result = agent.LoadXML("<datas open='nowhere'><contact><firstname>Ann</firstname></contact></datas>");
check(typeof result == "undefined", "LoadXML returns an empty variant");
check(agent.isOk() === true, "a good document loads");

agent.LoadXML("<datas open='x'><contact></datas>");  // its message box is answered by the watcher
check(agent.isOk() === false, "a malformed document is not loaded");

var badDate = errorOf(agent, "<datas open='x'><event><start>20241399T1000</start></event></datas>");
check(badDate != null && badDate.number == -2146828275 && (badDate.number & 0xFFFF) == 13,
      "a bad date is error 13, got " + (badDate && badDate.number));
var noOpen = errorOf(agent, "<datas><contact/></datas>");
check(noOpen != null && (noOpen.number & 0xFFFF) == 91 && noOpen.description != "",
      "datas without open is error 91, got " + (noOpen && noOpen.number));
check(agent.isOk() === false, "a failed load is not loaded");
WScript.Quit(failures);
