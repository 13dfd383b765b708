#include "headless/IniSettings.h"

#include <cctype>
#include <filesystem>
#include <vector>

#include "data/Text.h"
#include "data/TextFile.h"
#include "data/Utf8.h"
#include "platform/Paths.h"

namespace vantor {
namespace {

struct Key {
    std::string section;
    std::string name;
};

// "Settings/DataPath" is the name DataPath in the section [Settings]; a key
// without a section is in [General].
Key SplitKey(const std::string& key) {
    const std::size_t slash = key.rfind('/');
    if (slash == std::string::npos) {
        return {"General", key};
    }
    return {key.substr(0, slash), key.substr(slash + 1)};
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string SectionOf(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
        return trimmed.substr(1, trimmed.size() - 2);
    }
    return {};
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ReadFileLines(const std::string& file) {
    return FileExists(file) ? SplitLines(ReadBytes(file)) : std::vector<std::string>{};
}

bool IsEntry(const std::string& line, const std::string& name) {
    const std::size_t equals = line.find('=');
    return equals != std::string::npos && Trim(line.substr(0, equals)) == name;
}

// The character after a backslash at i; i ends on the last character used.
void Unescape(const std::string& stored, std::size_t& i, std::string& out) {
    const char c = stored[i];
    switch (c) {
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case '0':
            out += '\0';
            return;
        case 'x': {
            std::size_t end = i + 1;
            while (end < stored.size() && end < i + 5 &&
                   std::isxdigit(static_cast<unsigned char>(stored[end]))) {
                ++end;
            }
            AppendUtf8(out, static_cast<char32_t>(
                                std::stoul("0" + stored.substr(i + 1, end - i - 1), nullptr, 16)));
            i = end - 1;
            return;
        }
        default:
            out += c;
            return;
    }
}

bool NeedsQuotes(const std::string& value) {
    return value.find_first_of(",;=") != std::string::npos || value.front() == ' ' ||
           value.back() == ' ';
}

}  // namespace

std::string IniUnescape(const std::string& stored) {
    std::string out;
    std::size_t kept = 0;  // spaces outside quotes at the end are not part of the value
    bool quoted = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        const bool space = c == ' ' || c == '\t';
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < stored.size()) {
            Unescape(stored, ++i, out);
        } else if (quoted || !space || !out.empty()) {
            out += c;
        }
        if (quoted || !space) {
            kept = out.size();
        }
    }
    out.resize(kept);
    return out.starts_with("@@") ? out.substr(1) : out;
}

std::string IniEscape(const std::string& value) {
    std::string body;
    for (char c : value.starts_with('@') ? "@" + value : value) {
        switch (c) {
            case '\\':
                body += "\\\\";
                break;
            case '"':
                body += "\\\"";
                break;
            case '\n':
                body += "\\n";
                break;
            case '\r':
                body += "\\r";
                break;
            case '\t':
                body += "\\t";
                break;
            case '\0':
                body += "\\0";
                break;
            default:
                body += c;
        }
    }
    return !body.empty() && NeedsQuotes(value) ? "\"" + body + "\"" : body;
}

std::string IniSettings::Read(const std::string& key) {
    const Key wanted = SplitKey(key);
    std::string section;
    for (const std::string& line : ReadFileLines(file_)) {
        const std::string header = SectionOf(line);
        if (!header.empty()) {
            section = header;
        } else if (section == wanted.section && IsEntry(line, wanted.name)) {
            return IniUnescape(line.substr(line.find('=') + 1));
        }
    }
    return "";
}

bool IniSettings::Write(const std::string& key, const std::string& value) {
    const Key wanted = SplitKey(key);
    const std::string entry = wanted.name + "=" + IniEscape(value);
    std::vector<std::string> lines;
    try {
        lines = ReadFileLines(file_);
    } catch (const FileError&) {
        return false;
    }
    std::string section;
    bool done = false;
    std::size_t sectionEnd = std::string::npos;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        const std::string header = SectionOf(lines[i]);
        if (!header.empty()) {
            section = header;
        } else if (section == wanted.section && IsEntry(lines[i], wanted.name)) {
            lines[i] = entry;
            done = true;
        }
        if (section == wanted.section && !Trim(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!done && sectionEnd != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
    } else if (!done) {
        if (!lines.empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + wanted.section + "]");
        lines.push_back(entry);
    }
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\n";
    }
    std::error_code error;
    std::filesystem::create_directories(ToPath(file_).parent_path(), error);
    try {
        WriteFileAtomic(file_, bytes);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

}  // namespace vantor
