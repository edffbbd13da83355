// Reads iCalendar and vCard 3.0 files with ical.js and prints each event, task and card as
// one JSON object per line, in the form the expected files hold.
'use strict';
const fs = require('fs');
const ICAL = require('ical.js');

function when(property) {
    if (!property) return undefined;
    const time = property.getFirstValue();
    if (time.isDate) return time.toICALString();
    if (time.zone !== ICAL.Timezone.utcTimezone) throw new Error('not UTC: ' + time);
    return time.toICALString();
}

function compact(record) {
    const kept = {};
    for (const key of Object.keys(record).sort()) {
        const value = record[key];
        if (value === undefined || value === null || (Array.isArray(value) && !value.length)) continue;
        kept[key] = value;
    }
    return JSON.stringify(kept);
}

function text(component, name) {
    const value = component.getFirstPropertyValue(name);
    return value === null ? undefined : value;
}

// ical.js reads a vCard 3.0 text with the rules of 4.0, which keep "\;" as it stands; 3.0
// escapes ";" in every text value.
function cardText(component, name) {
    const value = text(component, name);
    return typeof value === 'string' ? value.replace(/\\;/g, ';') : value;
}

function item(component) {
    const priority = component.getFirstPropertyValue('priority');
    return {
        kind: component.name.toUpperCase(),
        uid: text(component, 'uid'),
        summary: text(component, 'summary'),
        location: text(component, 'location'),
        categories: component.getAllProperties('categories').flatMap((p) => p.getValues()),
        description: text(component, 'description'),
        start: when(component.getFirstProperty('dtstart')),
        end: when(component.getFirstProperty('dtend')),
        due: when(component.getFirstProperty('due')),
        status: text(component, 'status'),
        priority: priority === null ? undefined : priority,
        alarms: component.getAllSubcomponents('valarm').map(
            (a) => a.getFirstProperty('trigger').toICALString().replace(/^TRIGGER:/, '')),
    };
}

function types(property) {
    const type = property.getParameter('type');
    return [].concat(type || []).map((t) => t.toUpperCase()).join(',');
}

function card(component) {
    const listed = (name) => component.getAllProperties(name).map((p) => [types(p), p.getFirstValue()]);
    const unescaped = (pairs) => pairs.map(([t, v]) => [t, v.replace(/\\;/g, ';')]);
    const photo = component.getFirstProperty('photo');
    return {
        kind: 'VCARD',
        version: text(component, 'version'),
        uid: text(component, 'uid'),
        n: component.getFirstProperty('n').getValues()[0],
        fn: cardText(component, 'fn'),
        org: text(component, 'org'),
        title: cardText(component, 'title'),
        tel: unescaped(listed('tel')),
        adr: listed('adr'),
        email: unescaped(listed('email')),
        url: text(component, 'url'),
        im: cardText(component, 'x-orvantis-im'),
        note: cardText(component, 'note'),
        photo: photo ? [photo.getParameter('type'), photo.getFirstValue()] : undefined,
    };
}

for (const path of process.argv.slice(2)) {
    const parsed = ICAL.parse(fs.readFileSync(path, 'utf8'));
    const roots = Array.isArray(parsed[0]) ? parsed : [parsed];
    for (const root of roots) {
        const component = new ICAL.Component(root);
        if (component.name === 'vcard') {
            console.log(compact(card(component)));
            continue;
        }
        for (const sub of component.getAllSubcomponents()) {
            if (sub.name === 'vevent' || sub.name === 'vtodo') console.log(compact(item(sub)));
        }
    }
}
