// What only JScript shows: isOk called as a method, LoadXML's empty result, and a control
// error as JScript numbers it (the VBScript test reads the numbers as Err gives them).
var agent = new ActiveXObject("Orvantis.OrvantisAgent");
agent.XML = "<datas open='nowhere'/>";
if (agent.XML != "toto" || agent.isOk() !== false) WScript.Echo("FAIL setting XML loads nothing, XML reads " + agent.XML);
var result = agent.LoadXML("<datas open='nowhere'><contact><firstname>Ann</firstname></contact></datas>");
if (typeof result != "undefined" || agent.isOk() !== true) WScript.Echo("FAIL a good document loads, returning nothing");
var number = null;
try {
    agent.LoadXML("<r><datas/><contact/></r>");
} catch (e) {
    number = e.number;
}
if (number != -2146828197 || agent.isOk() !== false) WScript.Echo("FAIL datas without open is error 91, got " + number);
WScript.Echo("done");
