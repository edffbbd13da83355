// Outlook's stand-in straight from the real script host, as JScript calls it: names in any
// case, the default member, Enumerator, a product's error. (Wine's JScript never releases
// its objects, so the saved world is read back by outlook.vbs.)
var failures = 0;
function check(ok, what) {
    if (!ok) {
        failures++;
        WScript.Echo("FAIL " + what);
    }
}

var folders = new ActiveXObject("Outlook.Application").GetNamespace("MAPI").Folders.Item(1).folders;
check(folders.COUNT == 5, "five folders, got " + folders.Count);
check(folders(3).name == "Contacts", "the collection's default member is Item");
var seen = [];
for (var e = new Enumerator(folders); !e.atEnd(); e.moveNext()) seen.push(e.item().Name);
check(seen.join() == "Inbox,Calendar,Contacts,Business Contacts,Tasks", "enumeration in order, got " + seen.join());

// (Wine's JScript gives the number of such an error as E_FAIL: only the text is checked here,
// the number by outlook.vbs.)
var description = null;
try {
    folders(5).Items.Restrict("no filter");
} catch (x) {
    description = x.description;
}
check(description == 'Cannot parse condition. Error at "no filter".', "the product's description, got " + description);

WScript.Echo("done");
WScript.Quit(failures);
