// Loads an item document into the target it names, through the installed Orvantis control.
// usage: cscript //nologo load.js DOCUMENT.xml
// The file is read with the platform's XML document object, so its encoding declaration is
// honoured; the control then receives the text, as a page's script would hand it over.
if (WScript.Arguments.length != 1) {
    WScript.Echo("usage: cscript //nologo load.js DOCUMENT.xml");
    WScript.Quit(2);
}
var file = new ActiveXObject("Msxml2.DOMDocument.6.0");
file.async = false;
if (!file.load(WScript.Arguments(0))) {
    WScript.Echo("cannot read " + WScript.Arguments(0) + ": " + file.parseError.reason);
    WScript.Quit(2);
}
var agent = new ActiveXObject("Orvantis.OrvantisAgent");
try {
    agent.LoadXML(file.xml);
} catch (e) {
    WScript.Echo("error " + (e.number & 0xFFFF) + ": " + e.description);
    WScript.Quit(1);
}
WScript.Echo(agent.isOk() ? "loaded" : "not loaded");
WScript.Quit(agent.isOk() ? 0 : 1);
