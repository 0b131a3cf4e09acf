// The MusicXML score of a song, read back with Qt's XML reader: measures,
// time signatures, notes with their pitch, string and fret, chord symbols.
#include "core/tab/musicxml.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <map>

#include "core/tab/xml_writer.h"

namespace strumbly {
namespace {

struct Note {
  bool chord = false, rest = false, dot = false;
  std::string pitch;  // "D3", "F#2"
  int duration = 0, string = 0, fret = -1;
};

struct Score {
  std::string doctype;
  std::vector<std::string> times;  // "4/4" per measure that states one
  std::vector<std::vector<Note>> measures;
  std::vector<std::string> harmonies;  // "C major /", "D minor /F#"
  std::vector<std::string> words;
  std::vector<std::string> tuning;            // staff-tuning, line 1 first
  std::map<std::string, std::string> values;  // the last text of each element name
};

Score Read(const std::string& text) {
  Score s;
  QXmlStreamReader xml(QByteArray::fromStdString(text));
  Note note;
  std::string step, alter, harmony;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isDTD()) s.doctype = xml.text().toString().toStdString();
    if (!xml.isStartElement()) {
      if (xml.isEndElement() && xml.name() == u"note") s.measures.back().push_back(note);
      if (xml.isEndElement() && xml.name() == u"harmony") s.harmonies.push_back(harmony);
      continue;
    }
    const QString name = xml.name().toString();
    if (name == "measure") s.measures.emplace_back();
    if (name == "note") note = Note{};
    if (name == "chord") note.chord = true;
    if (name == "rest") note.rest = true;
    if (name == "dot") note.dot = true;
    if (name == "harmony") harmony.clear(), step.clear(), alter.clear();
    if (name == "sound") s.values["sound tempo"] = xml.attributes().value("tempo").toString().toStdString();
    if (name == "staff-tuning" || name == "pitch") step.clear(), alter.clear();
    if (name == "chord" || name == "rest" || name == "dot" || name == "measure" || name == "note" ||
        name == "harmony" || name == "sound" || name == "staff-tuning" || name == "pitch" || name == "sound")
      continue;
    // Elements with children give an empty text here; the reader stays on them.
    const QXmlStreamReader::ReadElementTextBehaviour mode = QXmlStreamReader::IncludeChildElements;
    if (name == "time" || name == "technical" || name == "notations" || name == "root" || name == "bass" ||
        name == "frame" || name == "frame-note" || name == "attributes" || name == "staff-details" ||
        name == "direction" || name == "direction-type" || name == "metronome" || name == "part" ||
        name == "score-partwise" || name == "part-list" || name == "score-part" || name == "work" || name == "key" ||
        name == "clef" || name == "identification" || name == "encoding" || name == "score-instrument" ||
        name == "midi-instrument" || name == "degree")
      continue;
    const std::string value = xml.readElementText(mode).toStdString();
    s.values[name.toStdString()] = value;
    if (name == "beats") s.times.push_back(value);
    if (name == "beat-type") s.times.back() += "/" + value;
    if (name == "step" || name == "tuning-step" || name == "root-step" || name == "bass-step") step = value;
    if (name == "alter" || name == "tuning-alter" || name == "root-alter" || name == "bass-alter")
      alter = value == "1" ? "#" : value == "-1" ? "b" : "";
    if (name == "octave") note.pitch = step + alter + value;
    if (name == "tuning-octave") s.tuning.push_back(step + alter + value);
    if (name == "duration") note.duration = std::stoi(value);
    if (name == "string" && !s.measures.empty()) note.string = std::stoi(value);
    if (name == "fret") note.fret = std::stoi(value);
    if (name == "kind") harmony = step + alter + " " + value;
    if (name == "bass-step") harmony += " /" + value;
    if (name == "words") s.words.push_back(value);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return s;
}

ExchangeSong Song(std::vector<std::string> lines, TuningTag tuning = kStandardTuningTag) {
  std::string error;
  auto song = MakeExchangeSong(std::move(lines), "Untitled.sly", 90, 25, tuning, error);
  EXPECT_TRUE(song) << error;
  return *song;
}

TEST(MusicXml, MeasuresNotesStringsAndFrets) {
  const ExchangeSong song = Song(
      {
          "* Title: Low & Slow",
          "* Sub: take <two>",
          "* Capo: 2",
          "C, x, 3, 2, 0, 1, 0, Q",
          "Rest, x, x, x, x, x, x, Q",
          "C, x, 3, 5, 5, 5, 3, H",
          "",
          "<&>, 0, 2, 2, 1, 0, 0, .Q",
          "D/F#, 2, x, 0, 2, 3, 2, Q",
          "Am7, x, 0, 2, 0, 1, 0, E",
          "Am7, x, 0, 2, 0, 1, 0, E",
      },
      355555);
  const std::string text = MusicXmlText(song);
  const Score s = Read(text);
  EXPECT_NE(s.doctype.find("-//Recordare//DTD MusicXML 4.0 Partwise//EN"), std::string::npos);
  EXPECT_EQ(s.values.at("work-title"), "Low & Slow");
  EXPECT_EQ(s.values.at("movement-title"), "take <two>");
  EXPECT_NE(text.find("<words>&lt;&amp;&gt;</words>"), std::string::npos);
  EXPECT_EQ(s.values.at("part-name"), "Guitar");
  EXPECT_EQ(s.values.at("midi-program"), "26");
  EXPECT_EQ(s.values.at("per-minute"), "90");
  EXPECT_EQ(s.values.at("sound tempo"), "90");
  EXPECT_EQ(s.values.at("divisions"), "32");
  EXPECT_EQ(s.values.at("staff-lines"), "6");
  EXPECT_EQ(s.values.at("sign"), "TAB");
  EXPECT_EQ(s.values.at("capo"), "2");
  EXPECT_EQ(s.tuning, (std::vector<std::string>{"D2", "A2", "D3", "G3", "B3", "E4"}));
  EXPECT_EQ(s.times, (std::vector<std::string>{"4/4", "7/8"}));

  // Every played string of every chord line is one note, in line order,
  // lowest string first; the rest is one rest.
  ASSERT_EQ(s.measures.size(), 2u);
  std::vector<std::string> expected, got;
  for (const ChordRecord& r : song.list) {
    if (KindOf(r, {}) != RecordKind::Chord) continue;
    if (IsRestShape(r.Frets)) expected.push_back("rest");
    for (int i = 5; i >= 0; --i)
      if (r.Frets[i] != NotPlayed) expected.push_back(std::to_string(i + 1) + ":" + std::to_string(r.Frets[i]));
  }
  for (const auto& m : s.measures)
    for (const Note& n : m) got.push_back(n.rest ? "rest" : std::to_string(n.string) + ":" + std::to_string(n.fret));
  EXPECT_EQ(got, expected);

  // Durations fill the measures; only the first note of a chord goes alone.
  int first = 0, bar1 = 0, bar2 = 0;
  for (const Note& n : s.measures[0]) bar1 += n.chord ? 0 : n.duration, first += !n.chord;
  for (const Note& n : s.measures[1]) bar2 += n.chord ? 0 : n.duration, first += !n.chord;
  EXPECT_EQ(bar1, 128);
  EXPECT_EQ(bar2, 112);
  EXPECT_EQ(first, 7);
  EXPECT_TRUE(s.measures[1][0].dot);
  EXPECT_FALSE(s.measures[1].back().dot);

  // Sounding pitches: dropped D, and the capo two frets up. C's low note,
  // string 5 fret 3, sounds D3; <&>'s open low string E2 (D2 + 2).
  EXPECT_EQ(s.measures[0][0].pitch, "D3");
  EXPECT_EQ(s.measures[1][0].pitch, "E2");
  EXPECT_EQ(s.measures[0][4].pitch, "F#4");  // string 1 open
}

TEST(MusicXml, ChordSymbolsWhereTheNameChanges) {
  const Score s =
      Read(MusicXmlText(Song({"C, x, 3, 2, 0, 1, 0, Q", "C, x, 3, 5, 5, 5, 3, Q", "Bbm7, x, 1, 3, 1, 2, 1, Q",
                              "D/F#, 2, x, 0, 2, 3, 2, Q", "Asus4, x, 0, 2, 2, 3, 0, Q", "Rest, x, x, x, x, x, x, Q",
                              "Asus4, x, 0, 2, 2, 3, 0, Q", "E7, x, 7, 6, 7, 5, x, Q", "N.C., x, x, x, x, x, 0, Q"})));
  EXPECT_EQ(s.harmonies, (std::vector<std::string>{"C major", "Bb minor-seventh", "D major /F", "A suspended-fourth",
                                                   "E dominant"}));
  EXPECT_EQ(s.words, (std::vector<std::string>{"N.C."}));
  EXPECT_EQ(s.values.at("first-fret"), "5");
}

TEST(XmlWriter, EscapesTextAndAttributesAndDropsWhatXmlCannotHold) {
  EXPECT_EQ(XmlEscape("<a & \"b\" 'c'>"), "&lt;a &amp; &quot;b&quot; &apos;c&apos;&gt;");
  EXPECT_EQ(XmlEscape("tab\there\x01\x1F"), "tab\there");
  EXPECT_EQ(XmlEscape("caf\xC3\xA9 \xFF"), "caf\xC3\xA9 \xEF\xBF\xBD");
  XmlWriter w;
  w.Declaration();
  w.Open("a", {{"k", "<\"&"}});
  w.Element("b", "x<y");
  w.Empty("c");
  const std::string doc = w.Finish();
  EXPECT_EQ(doc,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<a k=\"&lt;&quot;&amp;\">\n  <b>x&lt;y</b>\n  <c/>\n</a>\n");
}

}  // namespace
}  // namespace strumbly
