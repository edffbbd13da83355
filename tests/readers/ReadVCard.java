// Reads vCard files (any version) with ez-vcard and prints each card as one JSON line: the
// fields a contact export writes, each in the slot the reader found it in.
// Usage: java -cp ez-vcard.jar:vinnie.jar ReadVCard.java CHARSET FILE...
// CHARSET: how to read the file's 8-bit text outside quoted-printable, which names no
// character set of its own.
import ezvcard.VCard;
import ezvcard.io.text.VCardReader;
import ezvcard.property.Address;
import ezvcard.property.Telephone;
import ezvcard.property.TextProperty;
import java.io.File;
import java.io.FileInputStream;
import java.io.InputStreamReader;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.stream.Collectors;

public class ReadVCard {
    static String json(Object value) {
        if (value == null) return "null";
        if (value instanceof Map<?, ?> map) {
            return map.entrySet().stream()
                .map(e -> json(e.getKey().toString()) + ":" + json(e.getValue()))
                .collect(Collectors.joining(",", "{", "}"));
        }
        if (value instanceof List<?> list) {
            return list.stream().map(ReadVCard::json).collect(Collectors.joining(",", "[", "]"));
        }
        StringBuilder text = new StringBuilder("\"");
        for (char c : value.toString().toCharArray()) {
            if (c == '"' || c == '\\') text.append('\\').append(c);
            else if (c < 0x20) text.append(String.format("\\u%04x", (int) c));
            else text.append(c);
        }
        return text.append('"').toString();
    }

    static String text(String value) {
        return value == null ? "" : value;
    }

    static String first(List<? extends TextProperty> properties) {
        return properties.isEmpty() ? null : properties.get(0).getValue();
    }

    static String types(List<?> types) {
        return types.stream().map(Object::toString).collect(Collectors.joining(";"));
    }

    static Map<String, Object> fields(VCard card) {
        Map<String, Object> fields = new LinkedHashMap<>();
        fields.put("version", card.getVersion().getVersion());
        var n = card.getStructuredName();
        fields.put("N", n == null ? null : List.of(text(n.getFamily()), text(n.getGiven())));
        fields.put("FN", card.getFormattedName() == null ? null : card.getFormattedName().getValue());
        fields.put("ORG", card.getOrganization() == null ? null : card.getOrganization().getValues());
        fields.put("TITLE", first(card.getTitles()));
        fields.put("NOTE", first(card.getNotes()));
        fields.put("EMAIL", card.getEmails().isEmpty() ? null : card.getEmails().get(0).getValue());
        fields.put("URL", first(card.getUrls()));
        Map<String, Object> addresses = new LinkedHashMap<>();
        Map<String, Object> labels = new LinkedHashMap<>();
        for (Address a : card.getAddresses()) {
            addresses.put(types(a.getTypes()), List.of(String.join(",", a.getStreetAddresses()),
                text(a.getLocality()), String.join(",", a.getPostalCodes()), text(a.getCountry())));
            if (a.getLabel() != null) labels.put(types(a.getTypes()), a.getLabel());
        }
        fields.put("ADR", addresses);
        fields.put("LABEL", labels);
        Map<String, Object> phones = new LinkedHashMap<>();
        for (Telephone t : card.getTelephoneNumbers()) phones.put(types(t.getTypes()), t.getText());
        fields.put("TEL", phones);
        return fields;
    }

    public static void main(String[] args) throws Exception {
        Charset charset = Charset.forName(args[0]);
        for (int i = 1; i < args.length; ++i) {
            File file = new File(args[i]);
            try (VCardReader reader = new VCardReader(
                     new InputStreamReader(new FileInputStream(file), charset))) {
                // Quoted-printable bytes are not the file's text: without a CHARSET of their
                // own they are read as UTF-8, as readers guess, not in the file's character set.
                reader.setDefaultQuotedPrintableCharset(StandardCharsets.UTF_8);
                VCard card;
                while ((card = reader.readNext()) != null) {
                    Map<String, Object> fields = fields(card);
                    fields.put("file", file.getName());
                    fields.put("warnings", new ArrayList<>(reader.getWarnings().stream()
                        .map(Object::toString).toList()));
                    System.out.println(json(fields));
                }
            }
        }
    }
}
