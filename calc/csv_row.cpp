#include "calc/csv_row.h"

#include "calc/printable.h"
#include "calc/trim_spaces.h"

#include <algorithm>

namespace tarvel {

bool IsHeader(const CsvRow& row, std::initializer_list<std::string_view> names)
{
    if (row.size() != names.size())
        return false;
    std::size_t i = 0;
    for (const std::string_view name : names) {
        const std::string_view field = TrimSpaces(row[i++]);
        if (!std::ranges::equal(field, name,
                                [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; }))
            return false;
    }
    return true;
}

bool IsBlankRow(const CsvRow& row)
{
    for (std::size_t i = 0; i < row.size(); ++i)
        if (!TrimSpaces(row[i]).empty())
            return false;
    return true;
}

const char* ProblemOf(CsvRow::Status status)
{
    switch (status) {
    case CsvRow::Status::Ok: return nullptr;
    case CsvRow::Status::BadQuotes: return "virgolette non bilanciate";
    case CsvRow::Status::NotUtf8: return "testo non in UTF-8";
    case CsvRow::Status::ControlCharacters: return "caratteri di controllo nel testo";
    }
    return nullptr;
}

bool IsUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        // The shortest form only, no surrogates, nothing past U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if (p[k] < 0x80 || p[k] > 0xBF)
                return false;
        p += length;
    }
    return true;
}

std::string& CsvRow::nextField()
{
    if (size_ == fields_.size())
        fields_.emplace_back();
    std::string& field = fields_[size_++];
    field.clear();
    return field;
}

CsvRow::Status CsvRow::read(std::string_view line)
{
    size_ = 0;
    if (!IsUtf8(line))
        return Status::NotUtf8;
    for (std::size_t at = 0; at < line.size(); ++at)
        if (line[at] != '\t' && ControlCharacterAt(line, at) != 0)
            return Status::ControlCharacters;
    std::size_t at = 0;
    while (true) {
        std::string& field = nextField();
        if (at < line.size() && line[at] == '"') {
            ++at;
            while (true) {
                const std::size_t quote = line.find('"', at);
                if (quote == std::string_view::npos)
                    return Status::BadQuotes;
                field.append(line, at, quote - at);
                at = quote + 1;
                if (at < line.size() && line[at] == '"') {
                    field += '"';
                    ++at;
                } else {
                    break;
                }
            }
            if (at < line.size() && line[at] != ';')
                return Status::BadQuotes;
        } else {
            const std::size_t end = std::min(line.find(';', at), line.size());
            const std::string_view text = line.substr(at, end - at);
            if (text.find('"') != std::string_view::npos)
                return Status::BadQuotes;
            field.assign(text);
            at = end;
        }
        if (at == line.size())
            return Status::Ok;
        ++at; // the ';'
    }
}

bool CsvFieldNeedsQuotes(std::string_view field)
{
    // One pass: the batch asks it of every field it echoes. Only a lead byte
    // can start an invisible character.
    for (std::size_t at = 0; at < field.size(); ++at) {
        const char c = field[at];
        if (c == ';' || c == '"' || c == '\r' || c == '\n')
            return true;
        if (static_cast<unsigned char>(c) >= 0xC2 && InvisibleCharacterAt(field, at))
            return true;
    }
    return false;
}

char* WriteCsvField(std::string_view field, char* out, bool mark)
{
    const bool quoted = CsvFieldNeedsQuotes(field);
    if (quoted)
        *out++ = '"';
    if (mark)
        *out++ = '\'';
    for (const char c : field) {
        if (c == '"' && quoted)
            *out++ = '"';
        *out++ = c;
    }
    if (quoted)
        *out++ = '"';
    return out;
}

std::string CsvField(std::string_view field)
{
    std::string text(2 * field.size() + 3, '\0');
    text.resize(static_cast<std::size_t>(WriteCsvField(field, text.data()) - text.data()));
    return text;
}

} // namespace tarvel
