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
// "== NAME/" makes an empty folder, "== NAME (none)" removes a file or folder
// that the page's kind makes before the run. Files that are no text (pictures) are in
// a folder beside the page, named like it without ".txt", copied as they are
// before the files given. A section "== command" holds the command
// line of a kind that runs one. A page without files given starts with its
// script. What the run must show follows the first line "== transcript" (or
// "== output", for a command's standard output); everything before it is the
// page's input, which a run with VANTOR_UPDATE_EXPECTED=1 keeps while it
// rewrites the rest.
struct GivenFile {
    std::string name;   // relative to the folder of the run
    std::string bytes;  // as on disk
    bool folder = false;
    bool absent = false;  // "== NAME (none)": removed from what the kind made
};

struct Page {
    std::string path;
    std::string input;    // everything before the mark
    std::string script;   // the input without its files given
    std::string command;  // the line of a section "== command", when there is one
    std::vector<GivenFile> given;
    std::string mark;      // "transcript" or "output"
    std::string expected;  // everything after the mark
};

// The page at path; a page that cannot be read as one fails the test.
Page ReadPage(const std::string& path);

// The text with each `name` ("DATA", "HOME") replaced by the folder it stands
// for, as the page writes it: the reverse of Masked (ExpectedFile.h). A name
// after "$" is a variable of the shell's ("$HOME"), left as it is.
std::string Unmasked(std::string text, const std::string& name, const std::string& folder);

// Copies the folder beside the page into the folder, then writes the page's
// files given there, each `name` in their bytes replaced by the folder it
// stands for (`named`, or the folder itself when it is empty).
void WriteGiven(const Page& page, const std::string& folder, const std::string& name,
                const std::string& named = "");

// The words of the page's command after "vantor", each `name` in them replaced
// by the folder; a page without a command "vantor ..." fails the test.
std::vector<std::string> CommandWords(const Page& page, const std::string& name,
                                      const std::string& folder);

// The names of the data files the expected text shows, in order ("== NAME"
// lines; "(none)" for a file the run must not leave).
std::vector<std::string> ShownFiles(const std::string& expected);

// What the run showed must equal the page's expected text; with
// VANTOR_UPDATE_EXPECTED=1 the page is first rewritten with it.
void ExpectShown(const Page& page, const std::string& shown);

}  // namespace vantor::test
