// The control loading into Outlook's stand-in through the real script host: a contact, an
// appointment and a task arrive, each Outlook object released after its insertion (the server
// saves the world only then).
var failures = 0;
function check(ok, what) {
    if (!ok) {
        failures++;
        WScript.Echo("FAIL " + what);
    }
}
function count(text, needle) { return text.split(needle).length - 1; }

var agent = new ActiveXObject("Orvantis.OrvantisAgent");
agent.LoadXML("<datas open='outlook'><contact><id>J-1</id><lastname>Jensen</lastname>" +
              "<company-fax>+45 1</company-fax></contact>" +
              "<event><subject>Kick-off</subject><start>20261214T100000</start>" +
              "<end>20261214T110000</end><reminder>30</reminder><full-day>0</full-day></event>" +
              "<todo><subject>Call back</subject><priority>2</priority><state>1</state></todo></datas>");
check(agent.isOk(), "the load finished");
var json = new ActiveXObject("Scripting.FileSystemObject")
               .OpenTextFile(WScript.Arguments(0) + "\\outlook.json").ReadAll();
check(count(json, '"value": "Jensen"') == 1, "one contact Jensen");
check(json.indexOf('"name": "BusinessFaxNumber",\n                  "value": "+45 1"') > 0, "the fax kept");
check(count(json, '"value": "Kick-off"') == 1, "one appointment");
check(count(json, '"value": "Call back"') == 1, "one task");
if (failures == 0) WScript.Echo("done");
