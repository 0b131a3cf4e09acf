#include "core/app/file_association_text.h"

#include <gtest/gtest.h>

using namespace strumbly;

namespace {

std::string ExecLine(const std::string& text) {
  const std::size_t at = text.find("\nExec=");
  if (at == std::string::npos) return "<none>";
  return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

}  // namespace

TEST(FileAssociationText, ExtensionTakesOneLeadingDot) {
  EXPECT_EQ(NormalizeExtension(".sly"), ".sly");
  EXPECT_EQ(NormalizeExtension("sly"), ".sly");
  EXPECT_EQ(NormalizeExtension("..s.ly."), ".sly");
  EXPECT_EQ(NormalizeExtension("..."), "");
  EXPECT_EQ(NormalizeExtension(""), "");
}

TEST(FileAssociationText, MimePackageNamesTheTypeAndItsGlob) {
  FileTypeInfo t = SongFileType("/usr/bin/strumbly");
  t.extension = "sly";
  const std::string xml = MimePackageText(t);
  EXPECT_NE(xml.find("<mime-type type=\"application/x-strumbly\">"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<glob pattern=\"*.sly\"/>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<comment>Strumbly File</comment>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<sub-class-of type=\"text/plain\"/>"), std::string::npos) << xml;
  t.description = "Songs <& chords>";
  EXPECT_NE(MimePackageText(t).find("<comment>Songs &lt;&amp; chords&gt;</comment>"), std::string::npos);
}

TEST(FileAssociationText, ExecQuotesThePathOnlyWhenItMustAndEscapesWhatTheFormatReserves) {
  EXPECT_EQ(DesktopExecArgument("/usr/bin/strumbly"), "/usr/bin/strumbly");
  EXPECT_EQ(DesktopExecArgument("/home/jo/My Programs/strumbly"), "\"/home/jo/My Programs/strumbly\"");
  // Inside quotes ", `, $ and \ take a backslash; the key's string value
  // then doubles every backslash.
  EXPECT_EQ(DesktopExecArgument("/opt/a\"b"), "\"/opt/a\\\\\"b\"");
  EXPECT_EQ(DesktopExecArgument("/opt/$HOME"), "\"/opt/\\\\$HOME\"");
  EXPECT_EQ(DesktopExecArgument("/opt/a\\b"), "\"/opt/a\\\\\\\\b\"");
  EXPECT_EQ(DesktopExecArgument("/opt/it's"), "\"/opt/it's\"");
  // A percent sign is not a field code.
  EXPECT_EQ(DesktopExecArgument("/opt/100%/strumbly"), "/opt/100%%/strumbly");
  EXPECT_EQ(DesktopExecArgument("/opt/50 %f"), "\"/opt/50 %%f\"");
}

TEST(FileAssociationText, DesktopEntryStartsTheProgramWithTheFile) {
  const std::string entry = DesktopEntryText(SongFileType("/home/jo/My Programs/strumbly"));
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u) << entry;
  EXPECT_EQ(ExecLine(entry), "Exec=\"/home/jo/My Programs/strumbly\" %f");
  EXPECT_NE(entry.find("\nMimeType=application/x-strumbly;\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nName=Strumbly\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=strumbly\n"), std::string::npos) << entry;  // the installed icon by its name
  EXPECT_NE(entry.find("\nGenericName=Guitar Chord Editor\n"), std::string::npos) << entry;
  FileTypeInfo withIcon = SongFileType("/usr/bin/strumbly");
  withIcon.iconPath = "/usr/share/strumbly/strumbly.png";
  EXPECT_NE(DesktopEntryText(withIcon).find("\nIcon=/usr/share/strumbly/strumbly.png\n"), std::string::npos);
}

TEST(FileAssociationText, DefaultApplicationGoesIntoTheDefaultsGroupAndKeepsEverythingElse) {
  const char* type = "application/x-strumbly";
  EXPECT_EQ(WithDefaultApplication("", type, "strumbly.desktop"),
            "[Default Applications]\napplication/x-strumbly=strumbly.desktop;\n");

  const std::string list =
      "# my defaults\n"
      "[Added Associations]\n"
      "text/plain=gedit.desktop;\n"
      "\n"
      "[Default Applications]\n"
      "text/html=firefox.desktop\n"
      "image/png=gimp.desktop;\n"
      "\n"
      "[Removed Associations]\n"
      "application/pdf=okular.desktop;\n";
  EXPECT_EQ(WithDefaultApplication(list, type, "strumbly.desktop"),
            "# my defaults\n"
            "[Added Associations]\n"
            "text/plain=gedit.desktop;\n"
            "\n"
            "[Default Applications]\n"
            "text/html=firefox.desktop\n"
            "image/png=gimp.desktop;\n"
            "application/x-strumbly=strumbly.desktop;\n"
            "\n"
            "[Removed Associations]\n"
            "application/pdf=okular.desktop;\n");

  // An earlier default for the type is replaced, in place; doing it twice
  // changes nothing more.
  const std::string earlier = "[Default Applications]\napplication/x-strumbly = other.desktop;\ntext/html=x.desktop\n";
  const std::string once = WithDefaultApplication(earlier, type, "strumbly.desktop");
  EXPECT_EQ(once, "[Default Applications]\napplication/x-strumbly=strumbly.desktop;\ntext/html=x.desktop\n");
  EXPECT_EQ(WithDefaultApplication(once, type, "strumbly.desktop"), once);

  // A list without the group and without a final line break gets the group
  // appended after a blank line.
  EXPECT_EQ(WithDefaultApplication("[Added Associations]\ntext/plain=gedit.desktop;", type, "strumbly.desktop"),
            "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
            "[Default Applications]\napplication/x-strumbly=strumbly.desktop;\n");
  // A key of another type that merely starts like it is left alone.
  EXPECT_EQ(
      WithDefaultApplication("[Default Applications]\napplication/x-strumbly-extra=a.desktop\n", type, "s.desktop"),
      "[Default Applications]\napplication/x-strumbly-extra=a.desktop\napplication/x-strumbly=s.desktop;\n");
}
