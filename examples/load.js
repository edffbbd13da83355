// Loads an item document into the target it names, through the installed Orvantis control.
// usage: cscript //nologo load.js DOCUMENT.xml
// The control receives the file's text exactly as written (UTF-8, or UTF-16 by its byte
// order mark), so that it alone parses the document and reports its errors.
if (WScript.Arguments.length != 1) {
    WScript.Echo("usage: cscript //nologo load.js DOCUMENT.xml");
    WScript.Quit(2);
}

// Read through a file URL: the request decodes the bytes by their byte order mark and
// leaves the text as it stands.
function ReadText(path) {
    var fso = new ActiveXObject("Scripting.FileSystemObject");
    var url = "file:///" + fso.GetAbsolutePathName(path).replace(/\\/g, "/")
        .replace(/%/g, "%25").replace(/#/g, "%23");
    var request = new ActiveXObject("Msxml2.XMLHTTP.6.0");
    request.open("GET", url, false);
    request.send();
    return request.responseText;  // a byte order mark stays in front; the control skips it
}

var text;
try {
    text = ReadText(WScript.Arguments(0));
} catch (e) {
    WScript.Echo("cannot read " + WScript.Arguments(0) + ": " + e.description);
    WScript.Quit(2);
}
var agent = new ActiveXObject("Orvantis.OrvantisAgent");
try {
    agent.LoadXML(text);
} catch (e) {
    WScript.Echo("error " + (e.number & 0xFFFF) + ": " + e.description);
    WScript.Quit(1);
}
WScript.Echo(agent.isOk() ? "loaded" : "not loaded");
WScript.Quit(agent.isOk() ? 0 : 1);
