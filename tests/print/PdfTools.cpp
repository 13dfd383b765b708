#include "print/PdfTools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Standard output of the tool run on the file; fails the test when it does
// not exit with 0.
std::string Output(const std::string& tool, const std::string& file, const std::string& rest = "") {
    std::string quoted = "'";
    for (char c : file) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    const std::string commandLine = tool + " " + quoted + "' " + rest + " 2>/dev/null";
    std::string out;
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    char buffer[4096];
    for (std::size_t read = 0;
         pipe != nullptr && (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, read);
    }
    if (pipe == nullptr || ::pclose(pipe) != 0) {
        ADD_FAILURE() << commandLine << " failed";
    }
    return out;
}

}  // namespace

std::string PdfText(const std::string& pdf) {
    return Output("pdftotext -layout", pdf, "-");
}

std::string PdfInfo(const std::string& pdf, const std::string& field) {
    std::smatch match;
    const std::string info = Output("pdfinfo", pdf);
    if (!std::regex_search(info, match, std::regex("\n" + field + ": +([^\n]*)"))) {
        ADD_FAILURE() << "no " << field << " in:\n" << info;
    }
    return match.empty() ? "" : match[1].str();
}

std::string PdfTool(const std::string& tool, const std::string& pdf) {
    return Output(tool, pdf);
}

std::string PdfWords(const std::string& pdf) {
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    const std::string html = Output("pdftotext -bbox", pdf, "-");
    std::string words;
    char box[80];
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        std::snprintf(box, sizeof box, "%.1f %.1f %.1f %.1f ", std::stod(m[1]), std::stod(m[2]),
                      std::stod(m[3]), std::stod(m[4]));
        words += box + m[5].str() + "\n";
    }
    return words;
}

RenderedPage::RenderedPage(const std::string& pdf, int dpi, const std::string& workFolder)
    : file_(workFolder + "/page.pgm") {
    Output("pdftoppm -gray -singlefile -r " + std::to_string(dpi), pdf, workFolder + "/page");
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
    grey_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(in.tellg()), bytes.end());
    grey_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
}

int RenderedPage::DarkCount(int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = std::max(0, top); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(0, left); x < std::min(right, width_); ++x) {
            count += grey_[static_cast<std::size_t>(y * width_ + x)] < 128 ? 1 : 0;
        }
    }
    return count;
}

std::vector<std::string> RenderedPage::QrCodes() const {
    // The bytes as encoded, not converted from a guessed character set.
    std::istringstream lines(Output("zbarimg -q --raw -Sbinary", file_));
    std::vector<std::string> codes;
    for (std::string line; std::getline(lines, line);) {
        codes.push_back(line);
    }
    return codes;
}

}  // namespace vantor::test
