#include "pdf/PdfTools.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace vantor::test {

std::string PdfTool(const std::string& tool, const std::string& file, const std::string& rest) {
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

std::string PdfText(const std::string& pdf) {
    return PdfTool("pdftotext -layout", pdf, "-");
}

std::string PdfWords(const std::string& pdf) {
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    const std::string html = PdfTool("pdftotext -bbox", pdf, "-");
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

std::string PageSketch(const std::string& pdf, int dpi, int width, int height) {
    const std::string size = std::to_string(width) + " " + std::to_string(height);
    const std::string pgm =
        PdfTool("pdftoppm -gray -singlefile -x 0 -y 0 -r " + std::to_string(dpi) + " -W " +
                    std::to_string(width) + " -H " + std::to_string(height),
                pdf);
    const std::string header = "P5\n" + size + "\n255\n";
    if (pgm.size() != header.size() + static_cast<std::size_t>(width * height) ||
        pgm.compare(0, header.size(), header) != 0) {
        ADD_FAILURE() << "not a grey picture of " << size;
        return "";
    }
    std::string sketch;
    for (std::size_t at = header.size(); at < pgm.size(); ++at) {
        sketch += static_cast<unsigned char>(pgm[at]) < 128 ? '#' : '.';
        if ((at - header.size() + 1) % static_cast<std::size_t>(width) == 0) {
            sketch += '\n';
        }
    }
    return sketch;
}

std::string PageCodes(const std::string& pdf, int dpi) {
    PdfTool("pdftoppm -gray -singlefile -r " + std::to_string(dpi), pdf, pdf + "-page");
    // The bytes as encoded, not converted from a guessed character set.
    return PdfTool("zbarimg -q --raw -Sbinary", pdf + "-page.pgm");
}

}  // namespace vantor::test
