// The settings backend outside Windows: the current user's keys in one text file
// in the registry editor's export layout (see registry_backend.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "settings/registry_backend.h"

namespace {

constexpr const char* kFileHeader = "Windows Registry Editor Version 5.00";
constexpr const char* kUserHive = "HKEY_CURRENT_USER";

// One value of a key. A string value holds its text (UTF-8); a value of any
// other type keeps the text after "=" as it was read, so that a rewrite keeps it.
struct StoredValue {
    std::string name;
    bool isText = true;
    std::string data;
};

struct StoredKey {
    std::string path;  // with the hive, e.g. HKEY_CURRENT_USER\SOFTWARE\...
    std::vector<StoredValue> values;
};

using RegistryDocument = std::vector<StoredKey>;

std::string& PathOverride() {
    static std::string path;
    return path;
}

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Key and value names compare as the registry compares them, without regard to case.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithNoCase(const std::string& text, size_t pos, const std::string& prefix) {
    return text.size() - pos >= prefix.size() && SameName(text.substr(pos, prefix.size()), prefix);
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r')) {
        --end;
    }
    return text.substr(0, end);
}

size_t SkipBlanks(const std::string& text, size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

// Key names between backslashes, without empty ones, joined again by one backslash.
std::string CanonicalKeyPath(const std::string& path) {
    std::string out;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (end > start) {
            if (!out.empty()) {
                out += '\\';
            }
            out += path.substr(start, end - start);
        }
        start = end + 1;
    }
    return out;
}

std::string UserKeyPath(const std::string& keyPath) {
    const std::string canonical = CanonicalKeyPath(keyPath);
    return canonical.empty() ? std::string(kUserHive) : std::string(kUserHive) + "\\" + canonical;
}

// ---- Reading ----

// A quoted text starting at pos, with "\\" and "\"" escapes; pos ends after the
// closing quote. False for an unterminated text or another escape.
bool ParseQuoted(const std::string& line, size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"') {
        return false;
    }
    out.clear();
    for (size_t i = pos + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            pos = i + 1;
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= line.size() || (line[i + 1] != '\\' && line[i + 1] != '"')) {
                return false;
            }
            out += line[++i];
        } else {
            out += c;
        }
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The bytes of a comma-separated list of two-digit hex numbers.
bool ParseHexBytes(const std::string& list, std::string& bytes) {
    bytes.clear();
    size_t pos = SkipBlanks(list, 0);
    if (pos == list.size()) {
        return true;
    }
    for (;;) {
        if (pos + 2 > list.size()) {
            return false;
        }
        const int high = HexDigit(list[pos]);
        const int low = HexDigit(list[pos + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes += static_cast<char>(high * 16 + low);
        pos = SkipBlanks(list, pos + 2);
        if (pos == list.size()) {
            return true;
        }
        if (list[pos] != ',') {
            return false;
        }
        pos = SkipBlanks(list, pos + 1);
    }
}

// The text of a string value stored as UTF-16LE bytes, up to its zero unit.
// The registry editor always writes that zero; without it the line was cut
// short, and the value is taken as absent rather than read as a shorter text.
bool TextOfUtf16Bytes(const std::string& bytes, std::string& text) {
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (unit == 0) {
            text = EncodeUtf8(DecodeUtf16(units));
            return true;
        }
        units += unit;
    }
    return false;
}

// A "name"=data line (or @=data for the unnamed value). False when it cannot be read.
bool ParseValueLine(const std::string& line, StoredValue& value) {
    size_t pos = 0;
    if (!line.empty() && line[0] == '@') {
        value.name.clear();
        pos = 1;
    } else if (!ParseQuoted(line, pos, value.name)) {
        return false;
    }
    pos = SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') {
        return false;
    }
    pos = SkipBlanks(line, pos + 1);
    if (pos < line.size() && line[pos] == '"') {
        value.isText = true;
        return ParseQuoted(line, pos, value.data) && SkipBlanks(line, pos) == line.size();
    }
    // Strings (hex(1)) and expandable strings (hex(2)) in hex form are text too.
    if (StartsWithNoCase(line, pos, "hex(1):") || StartsWithNoCase(line, pos, "hex(2):")) {
        std::string bytes;
        value.isText = true;
        return ParseHexBytes(line.substr(pos + 7), bytes) && TextOfUtf16Bytes(bytes, value.data);
    }
    if (StartsWithNoCase(line, pos, "dword:") || StartsWithNoCase(line, pos, "hex")) {
        value.isText = false;
        value.data = line.substr(pos);
        return true;
    }
    return false;
}

// The key of a "[HKEY_...\path]" line. False for a line that cannot be read or
// that deletes a key.
bool ParseKeyLine(const std::string& line, std::string& path) {
    const size_t close = line.rfind(']');
    if (line.size() < 3 || line[0] != '[' || line[1] == '-' || close != line.size() - 1) {
        return false;
    }
    path = CanonicalKeyPath(line.substr(1, close - 1));
    return !path.empty();
}

// A hex value may run over several lines, each but the last ending in "\".
bool ContinuesOnNextLine(const std::string& line) {
    if (line.empty() || line.back() != '\\') {
        return false;
    }
    size_t pos = 0;
    std::string name;
    if (line[0] == '@') {
        pos = 1;
    } else if (!ParseQuoted(line, pos, name)) {
        return false;
    }
    pos = SkipBlanks(line, pos);
    return pos < line.size() && line[pos] == '=' && StartsWithNoCase(line, SkipBlanks(line, pos + 1), "hex");
}

const StoredKey* FindKey(const RegistryDocument& document, const std::string& path) {
    for (const StoredKey& key : document) {
        if (SameName(key.path, path)) {
            return &key;
        }
    }
    return nullptr;
}

StoredKey* FindKey(RegistryDocument& document, const std::string& path) {
    return const_cast<StoredKey*>(FindKey(std::as_const(document), path));
}

const StoredValue* FindValue(const StoredKey& key, const std::string& name) {
    for (const StoredValue& value : key.values) {
        if (SameName(value.name, name)) {
            return &value;
        }
    }
    return nullptr;
}

StoredValue* FindValue(StoredKey& key, const std::string& name) {
    return const_cast<StoredValue*>(FindValue(std::as_const(key), name));
}

void PutValue(StoredKey& key, StoredValue value) {
    if (StoredValue* existing = FindValue(key, value.name)) {
        *existing = std::move(value);
    } else {
        key.values.push_back(std::move(value));
    }
}

StoredKey& KeyFor(RegistryDocument& document, const std::string& path) {
    if (StoredKey* key = FindKey(document, path)) {
        return *key;
    }
    document.push_back(StoredKey{path, {}});
    return document.back();
}

RegistryDocument ParseDocument(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    // A UTF-8 byte order mark is allowed before the first line.
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        start = 3;
    }
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        lines.push_back(TrimRight(content.substr(start, end - start)));
        start = end + 1;
    }

    RegistryDocument document;
    std::string currentKey;  // empty while no readable key line came before
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        while (ContinuesOnNextLine(line) && i + 1 < lines.size()) {
            line.pop_back();
            ++i;
            line += lines[i].substr(SkipBlanks(lines[i], 0));
        }
        if (line.empty() || line[0] == ';' || line == kFileHeader) {
            continue;
        }
        if (line[0] == '[') {
            if (!ParseKeyLine(line, currentKey)) {
                currentKey.clear();
            } else {
                KeyFor(document, currentKey);
            }
            continue;
        }
        StoredValue value;
        if (!currentKey.empty() && ParseValueLine(line, value)) {
            PutValue(KeyFor(document, currentKey), std::move(value));
        }
    }
    return document;
}

enum class LoadResult { Loaded, NoFile, Failed };

// The file last read or written, its bytes and what they say: a file read
// again unchanged, byte for byte, is not parsed again. The settings are read
// one value at a time, and the file holds them all.
struct ParsedFile {
    std::string path;
    std::string content;
    RegistryDocument document;
};

ParsedFile& LastFile() {
    static ParsedFile file;
    return file;
}

// The document of the file; `document` points into LastFile() and stays valid
// until the next load or write.
LoadResult LoadDocument(const std::string& path, const RegistryDocument*& document) {
    static const RegistryDocument kEmpty;
    document = &kEmpty;
    if (path.empty()) {
        return LoadResult::Failed;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return errno == ENOENT ? LoadResult::NoFile : LoadResult::Failed;
    }
    std::string content;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return LoadResult::Failed;
    }
    ParsedFile& last = LastFile();
    if (last.path != path || last.content != content) {
        last.document = ParseDocument(content);
        last.path = path;
        last.content = std::move(content);
    }
    document = &last.document;
    return LoadResult::Loaded;
}

// ---- Writing ----

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string HexStringData(const std::string& text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::u16string units = EncodeUtf16(DecodeUtf8(text));
    units += u'\0';
    std::string out = "hex(1):";
    for (size_t i = 0; i < units.size(); ++i) {
        const unsigned bytes[2] = {static_cast<unsigned>(units[i] & 0xFF), static_cast<unsigned>(units[i] >> 8)};
        for (int k = 0; k < 2; ++k) {
            if (i > 0 || k > 0) {
                out += ',';
            }
            out += kDigits[bytes[k] >> 4];
            out += kDigits[bytes[k] & 0xF];
        }
    }
    return out;
}

std::string SerializeDocument(const RegistryDocument& document) {
    std::string out = std::string(kFileHeader) + "\n";
    for (const StoredKey& key : document) {
        out += "\n[" + key.path + "]\n";
        for (const StoredValue& value : key.values) {
            out += value.name.empty() ? std::string("@") : Quoted(value.name);
            out += '=';
            if (!value.isText) {
                out += value.data;
            } else if (HasControlCharacter(value.data)) {
                out += HexStringData(value.data);
            } else {
                out += Quoted(value.data);
            }
            out += '\n';
        }
    }
    return out;
}

// Creates every missing folder above the file.
bool EnsureParentFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

bool WriteAll(int descriptor, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = write(descriptor, content.data() + done, content.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Replaces the file in one step: the content goes to a temporary file in the
// same folder, which is then renamed over the old file.
bool ReplaceFile(const std::string& path, const std::string& content) {
    if (!EnsureParentFolders(path)) {
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        return false;
    }
    bool ok = WriteAll(descriptor, content) && fsync(descriptor) == 0;
    ok = close(descriptor) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}

}  // namespace

std::string RegistryFilePath() {
    if (!PathOverride().empty()) {
        return PathOverride();
    }
    const char* fromEnvironment = std::getenv("ZED_REGISTRY_FILE");
    if (fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        return fromEnvironment;
    }
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        return std::string(configHome) + "/ledgewright/registry.reg";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/ledgewright/registry.reg";
    }
    return std::string();
}

void SetRegistryFilePath(const std::string& path) { PathOverride() = path; }

bool RegistryReadString(const ZedString& keyPath, const ZedString& valueName, ZedString& text) {
    const RegistryDocument* document = nullptr;
    if (LoadDocument(RegistryFilePath(), document) != LoadResult::Loaded) {
        return false;
    }
    const StoredKey* key = FindKey(*document, UserKeyPath(ZedToUtf8(keyPath)));
    if (key == nullptr) {
        return false;
    }
    const StoredValue* value = FindValue(*key, ZedToUtf8(valueName));
    if (value == nullptr || !value->isText) {
        return false;
    }
    text = Utf8ToZed(value->data);
    return true;
}

bool RegistryWriteString(const ZedString& keyPath, const ZedString& valueName, const ZedString& text) {
    const std::string path = RegistryFilePath();
    const std::string keyName = UserKeyPath(ZedToUtf8(keyPath));
    const std::string name = ZedToUtf8(valueName);
    // Names cannot hold line breaks in this layout.
    if (HasControlCharacter(keyName) || HasControlCharacter(name) || keyName == kUserHive) {
        return false;
    }
    const RegistryDocument* loaded = nullptr;
    if (LoadDocument(path, loaded) == LoadResult::Failed) {
        // An existing file that cannot be read is not overwritten.
        return false;
    }
    RegistryDocument document = *loaded;
    PutValue(KeyFor(document, keyName), StoredValue{name, true, ZedToUtf8(text)});
    std::string content = SerializeDocument(document);
    if (!ReplaceFile(path, content)) {
        return false;
    }
    // The file now holds exactly this: the next read need not parse it.
    LastFile() = ParsedFile{path, std::move(content), std::move(document)};
    return true;
}
