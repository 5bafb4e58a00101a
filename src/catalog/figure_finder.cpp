#include "catalog/figure_finder.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <tuple>

#include "catalog/catalogue.h"
#include "catalog/english_names.h"

namespace gyro {

namespace {

// One code point from UTF-8 at `i`, which moves past it; a stray byte is
// taken as itself so that nothing is lost.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    int length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<size_t>(length) > s.size()) {
        ++i;
        return b0;
    }
    char32_t c = length == 1 ? b0 : b0 & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + static_cast<size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += static_cast<size_t>(length);
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A menu label without its "(&X)" or "&" mnemonic.
std::string WithoutMnemonic(std::string_view label) {
    std::string text(label);
    if (const size_t open = text.find("(&"); open != std::string::npos && text.find(')', open) != std::string::npos) {
        text.erase(open, text.find(')', open) - open + 1);
    }
    std::erase(text, '&');
    return text;
}

struct Entry {
    ShapeId number;
    bool listed;                     // in a menu or a stepping order
    std::vector<std::string> names;  // normalised: names and their alternatives, menu labels
};

void CollectMenuLabels(const FigureMenuItem& item, std::vector<std::pair<ShapeId, std::string>>& out) {
    if (item.figure != 0) out.emplace_back(item.figure, WithoutMnemonic(item.label));
    for (const FigureMenuItem& child : item.children) CollectMenuLabels(child, out);
}

void AddName(std::vector<std::string>& names, std::string_view name) {
    if (name.empty()) return;
    names.push_back(NormaliseForSearch(name));
    // Each alternative on its own, so that "starts with" sees every one.
    size_t start = 0;
    while (true) {
        const size_t cut = name.find(" / ", start);
        if (start > 0 || cut != std::string_view::npos) {
            names.push_back(NormaliseForSearch(name.substr(start, cut == std::string_view::npos ? cut : cut - start)));
        }
        if (cut == std::string_view::npos) break;
        start = cut + 3;
    }
}

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = [] {
        std::vector<std::pair<ShapeId, std::string>> labels;
        CollectMenuLabels(FigureMenuTree(), labels);
        std::set<ShapeId> listed;
        for (const auto& [figure, label] : labels) listed.insert(figure);
        listed.insert(kMainStepOrder.begin(), kMainStepOrder.end());
        listed.insert(kJohnsonStepOrder.begin(), kJohnsonStepOrder.end());
        std::vector<Entry> all;
        for (const FigureInfo& info : AllFigures()) {
            Entry entry{info.number, listed.contains(info.number), {}};
            AddName(entry.names, info.nameJa);
            AddName(entry.names, EnglishFigureName(info.number));
            for (const auto& [figure, label] : labels) {
                if (figure == info.number) AddName(entry.names, label);
            }
            all.push_back(std::move(entry));
        }
        return all;
    }();
    return entries;
}

std::optional<int> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text[0] == '-' || text[0] == '+') return std::nullopt;
    return value;
}

bool StartsWord(const std::string& name, size_t at) {
    if (at == 0) return true;
    const char before = name[at - 1];
    return before == ' ' || before == '(' || before == '-' || before == '/';
}

// Smaller is better; -1 for no match.
int Rank(const Entry& entry, const std::string& query) {
    const std::string number = std::to_string(entry.number);
    if (query == number) return 0;
    if (query.size() > 1 && query[0] == 'j') {
        if (const auto j = WholeNumber(std::string_view(query).substr(1))) {
            if (*j >= 1 && *j <= 92 && entry.number == 299 + *j) return 1;
            if (*j >= 44 && *j <= 48 && entry.number == 349 + *j) return 2;
        }
    }
    int best = -1;
    const auto take = [&best](int rank) {
        if (best < 0 || rank < best) best = rank;
    };
    if (WholeNumber(query) && number.starts_with(query)) take(3);
    for (const std::string& name : entry.names) {
        for (size_t at = name.find(query); at != std::string::npos; at = name.find(query, at + 1)) {
            take(at == 0 ? 3 : StartsWord(name, at) ? 4 : 5);
        }
    }
    return best;
}

}  // namespace

std::string NormaliseForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        char32_t c = NextCodePoint(text, i);
        if (i == start + 1 && c >= 0x80) {
            out += text[start];  // a stray byte, kept as it was
            continue;
        }
        if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;       // full-width ASCII
        if (c == 0x3000) c = U' ';                          // ideographic space
        if (c >= 0x30A1 && c <= 0x30F6) c -= 0x60;          // katakana -> hiragana
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        AppendUtf8(out, c);
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::vector<ShapeId> FindFigures(std::string_view query) {
    const std::string q = NormaliseForSearch(query);
    if (q.empty()) {
        std::vector<ShapeId> all;
        for (const Entry& entry : Entries()) all.push_back(entry.number);
        return all;
    }
    std::vector<std::tuple<int, bool, ShapeId>> found;
    for (const Entry& entry : Entries()) {
        const int rank = Rank(entry, q);
        if (rank >= 0) found.emplace_back(rank, !entry.listed, entry.number);
    }
    std::sort(found.begin(), found.end());
    std::vector<ShapeId> figures;
    figures.reserve(found.size());
    for (const auto& [rank, unlisted, number] : found) figures.push_back(number);
    return figures;
}

}  // namespace gyro
