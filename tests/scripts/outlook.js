// Outlook's stand-in as JScript calls it: names in any case, the default member, Enumerator.
// (Wine's JScript never releases its objects, so outlook.vbs reads the saved world back.)
var folders = new ActiveXObject("Outlook.Application").GetNamespace("MAPI").Folders.Item(1).folders;
if (folders.COUNT != 5) WScript.Echo("FAIL five folders, got " + folders.Count);
if (folders(3).name != "Contacts") WScript.Echo("FAIL the collection's default member is Item");
var seen = [];
for (var e = new Enumerator(folders); !e.atEnd(); e.moveNext()) seen.push(e.item().Name);
if (seen.join() != "Inbox,Calendar,Contacts,Business Contacts,Tasks") WScript.Echo("FAIL enumeration in order, got " + seen.join());
WScript.Echo("done");
