#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor::test {

// A case page: a run of the real program kept whole in one file, so that a
// case reads as the screen shows it and adding a case is adding a file.
//
//   # What the case shows (the script's comments).
//   == Infos.txt                  a file of the folder before the run
//   Café du Port
//   == script                     ends the files given
//   click Command1 2
//   == transcript                 what the run must show, to the end
//   open frmMain "Vantor pour Windows"
//   == tickets.csv                the file as the run left it
//
// A file given is written in Windows-1252 with the line ends of the page; a
// header "== NAME (no line end at the end)" drops the last line feed, and
// "== NAME/" makes an empty folder. A page without files given starts with
// its script. Everything before "== transcript" is the page's input: a run
// with VANTOR_UPDATE_EXPECTED=1 keeps it and rewrites the rest.
struct GivenFile {
    std::string name;   // relative to the folder of the run
    std::string bytes;  // as on disk
    bool folder = false;
};

struct Page {
    std::string path;
    std::string input;    // everything before "== transcript"
    std::string script;   // the input without its files given
    std::string command;  // the line of a section "== command", when there is one
    std::vector<GivenFile> given;
    std::string expected;  // everything after "== transcript"
};

inline constexpr std::string_view kTranscriptMark = "== transcript\n";

// The page at path; a page that cannot be read as one fails the test.
Page ReadPage(const std::string& path);

// Writes the page's files given into the folder. Each "HOME" of a file's
// bytes becomes home, when home is not empty.
void WriteGiven(const Page& page, const std::string& folder, const std::string& home = "");

// The names of the data files the expected text shows, in order ("== NAME"
// lines; "(none)" for a file the run must not leave).
std::vector<std::string> ShownFiles(const std::string& expected);

// What the run showed must equal the page's expected text; with
// VANTOR_UPDATE_EXPECTED=1 the page is first rewritten with it.
void ExpectShown(const Page& page, const std::string& shown);

}  // namespace vantor::test
