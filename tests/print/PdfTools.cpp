#include "print/PdfTools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "support/TempDir.h"

namespace vantor::test {
namespace {

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Standard output of the command line; fails the test when it does not exit with 0.
std::string Output(const std::string& commandLine) {
    std::string out;
    FILE* pipe = ::popen((commandLine + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << commandLine;
        return out;
    }
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        out.append(buffer, read);
    }
    const int status = ::pclose(pipe);
    if (status != 0) {
        ADD_FAILURE() << commandLine << " failed (" << status << ")";
    }
    return out;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string PdfLayoutText(const std::string& pdf) {
    return Output("pdftotext -layout " + Quoted(pdf) + " -");
}

int PdfPageCount(const std::string& pdf) {
    std::smatch match;
    const std::string info = Output("pdfinfo " + Quoted(pdf));
    if (!std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))"))) {
        ADD_FAILURE() << "no page count in:\n" << info;
        return -1;
    }
    return std::stoi(match[1]);
}

std::pair<double, double> PdfPageSize(const std::string& pdf) {
    std::smatch match;
    const std::string info = Output("pdfinfo " + Quoted(pdf));
    if (!std::regex_search(info, match, std::regex(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))) {
        ADD_FAILURE() << "no page size in:\n" << info;
        return {0, 0};
    }
    return {std::stod(match[1]), std::stod(match[2])};
}

std::vector<std::string> PdfFontNames(const std::string& pdf) {
    std::vector<std::string> names;
    const std::vector<std::string> lines = Lines(Output("pdffonts " + Quoted(pdf)));
    for (std::size_t i = 2; i < lines.size(); ++i) {  // after the heading and its rule
        std::string name = lines[i].substr(0, lines[i].find(' '));
        const std::size_t plus = name.find('+');
        names.push_back(plus == std::string::npos ? name : name.substr(plus + 1));
    }
    return names;
}

std::vector<PdfWord> PdfWords(const std::string& pdf) {
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    const std::string html = Output("pdftotext -bbox " + Quoted(pdf) + " -");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        words.push_back({m[5], std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
    }
    return words;
}

RenderedPage::RenderedPage(const std::string& pdf, int dpi, const std::string& workFolder)
    : file_(workFolder + "/page.pgm") {
    Output("pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " " + Quoted(pdf) + " " +
           Quoted(workFolder + "/page"));
    const std::string bytes = Slurp(file_);
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    in >> magic >> width_ >> height_ >> maxValue;
    in.get();
    if (magic != "P5" || maxValue != 255 || width_ <= 0 || height_ <= 0) {
        ADD_FAILURE() << "not a grey page image: " << file_;
        width_ = height_ = 0;
        return;
    }
    const auto start = static_cast<std::size_t>(in.tellg());
    grey_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    grey_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
}

bool RenderedPage::Dark(int x, int y) const {
    return grey_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)] < 128;
}

int RenderedPage::DarkCount(int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = std::max(0, top); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(0, left); x < std::min(right, width_); ++x) {
            count += Dark(x, y) ? 1 : 0;
        }
    }
    return count;
}

std::vector<std::string> DecodeQrCodes(const std::string& imageFile) {
    // The bytes as encoded, not converted from a guessed character set.
    return Lines(Output("zbarimg -q --raw -Sbinary " + Quoted(imageFile)));
}

}  // namespace vantor::test
