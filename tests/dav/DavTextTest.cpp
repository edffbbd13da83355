#include <gtest/gtest.h>

#include "dav/ItemText.hpp"
#include "dav/Multistatus.hpp"
#include "dav/Url.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis::dav {
namespace {

// Servers name the DAV namespaces with prefixes of their own, or none; only found properties
// count.
TEST(Multistatus, ReadsPropertiesWhateverThePrefixesAndSkipsThoseNotFound) {
    test::TestHost test;
    const auto resources = ReadMultistatus(test.Get().xml, R"(<?xml version="1.0"?>
<d:multistatus xmlns:d="DAV:" xmlns:cal="urn:ietf:params:xml:ns:caldav">
 <d:response><d:href>/cal/work/</d:href>
  <d:propstat><d:prop><d:displayname>Work é</d:displayname>
   <d:resourcetype><d:collection/><cal:calendar/></d:resourcetype>
   <cal:supported-calendar-component-set><cal:comp name="VTODO"/></cal:supported-calendar-component-set>
  </d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>
  <d:propstat><d:prop><d:getetag>"not found"</d:getetag></d:prop>
   <d:status>HTTP/1.1 404 Not Found</d:status></d:propstat></d:response>
 <response xmlns="DAV:"><href>/</href><propstat><prop><current-user-principal>
  <href>/p/alice/</href></current-user-principal></prop><status>HTTP/1.1 200 OK</status>
 </propstat></response>
</d:multistatus>)");
    ASSERT_EQ(resources.size(), 2u);
    EXPECT_EQ(resources[0].href, "/cal/work/");
    EXPECT_EQ(resources[0].displayName, "Work é");
    EXPECT_TRUE(resources[0].isCalendar);
    EXPECT_FALSE(resources[0].isAddressBook);
    EXPECT_EQ(resources[0].components, std::vector<std::string>{"VTODO"});
    EXPECT_EQ(resources[0].etag, "");
    EXPECT_EQ(resources[1].principal, "/p/alice/");
    EXPECT_THROW(ReadMultistatus(test.Get().xml, "<html>"), AutomationError);
}

TEST(Urls, ResolveNameAndShowWithoutTheLogin) {
    EXPECT_EQ(Resolve("https://h:8443/dav/", "/p/alice/"), "https://h:8443/p/alice/");
    EXPECT_EQ(Resolve("https://h/dav/x.vcf", "y.vcf"), "https://h/dav/y.vcf");
    EXPECT_EQ(Resolve("https://h/dav/", "http://other/z"), "http://other/z");
    EXPECT_EQ(OriginOf("https://bob:pw@h:8443/dav/?q"), "https://h:8443");
    EXPECT_EQ(Shown("https://bob:pw@h/dav/x.vcf"), "https://h/dav/x.vcf");
    EXPECT_EQ(OriginOf("ftp://h/"), "");
    // Any UID names one resource, and never another folder.
    EXPECT_EQ(PathSegment("C-1001_a.b~"), "C-1001_a.b~");
    EXPECT_EQ(PathSegment("a/b c%é"), "a%2Fb%20c%25%C3%A9");
}

// A server may refold, reorder, change line ends and add the default calendar scale: the same
// item all the same. Any change of a field is a change.
TEST(ItemText, SameContentDespiteAServersRewritingButNotDespiteAChangedField) {
    const std::string ours =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:u1\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\n"
        "NOTE:a long note that goes\r\n  on\r\nREV:20260101T000000Z\r\nEND:VCARD\r\n";
    const std::string theirs =
        "BEGIN:VCARD\nVERSION:3.0\nUID:u1\nFN:Jane Doe\nN:Doe;Jane;;;\nNOTE:a long no\n te that goes on\n"
        "CALSCALE:GREGORIAN\nREV:20261207T000000Z\nEND:VCARD";
    EXPECT_TRUE(SameContent(ours, theirs));
    EXPECT_FALSE(SameContent(ours, std::string(theirs).replace(theirs.find("Jane Doe"), 4, "John")));
    EXPECT_EQ(UidOf(theirs), "u1");
    EXPECT_EQ(UidOf("BEGIN:VEVENT\r\nUID;X-P=1:abc\r\n d\r\nEND:VEVENT\r\n"), "abcd");
}

}  // namespace
}  // namespace orvantis::dav
