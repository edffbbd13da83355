// The stand-in server through the real script host: members by name in any case, default
// members, enumeration, a product's error. (Wine's JScript never releases its objects, so the
// saved world is read back by probe.vbs.)
var failures = 0;
function check(ok, what) {
    if (!ok) {
        failures++;
        WScript.Echo("FAIL " + what);
    }
}

var probe = new ActiveXObject("Orvantis.StandInProbe");
var items = probe.Items;
var names = ["Ann", "Bo", "Cy"];
for (var i = 0; i < names.length; i++) {
    var item = items.Add();
    item.Name = names[i];
    item.Rank = i + 1;
}
check(items.Count == 3, "three items, got " + items.Count);
check(items.Item(2).NAME == "Bo", "names match whatever their case");
check(items(3) == "Cy", "the collection's default member is Item, the item's is Name");
check(probe == "Orvantis probe", "the application's default member");
var seen = [];
for (var e = new Enumerator(items); !e.atEnd(); e.moveNext()) seen.push(e.item().Name);
check(seen.join() == "Ann,Bo,Cy", "enumeration in order, got " + seen.join());

var number = null, description = null;
try {
    probe.Fail(1234, "No such folder");
} catch (x) {
    number = x.number;
    description = x.description;
}
check(number == (0x800A04D2 | 0), "the product's number, got " + number);
check(description == "No such folder", "the product's description, got " + description);

WScript.Echo("done");
WScript.Quit(failures);
