// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buildfile/buildfile.h"

#include <math.h>
#include <stddef.h>
#include <string.h>

#include <nlohmann/json.hpp>

#include "calc/geometry.h"
#include "calc/spoke.h"

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

const char kFormatName[] = "Quennick build";

// The values of the form's head, unit and stock popups (form/items.h, which
// this layer does not include; the build file tests hold them equal).
enum { kHeadJBend = 1, kHeadStraightPull = 2 };
enum { kUnitKilogramForce = 1, kUnitNewtons = 2 };

// Every field of the form, once: where it goes in the file and in the record.
// A field added to the form is added here, and round-trips.
struct TextField {
    const char *group; // "" for the top level
    const char *key;
    size_t offset; // of a char[kWheelTextSize] in Build
};
const TextField kTexts[] = {
    {"", "name", offsetof(Build, wheel.name)},
    {"", "notes", offsetof(Build, wheel.notes)},
    {"rim", "name", offsetof(Build, wheel.rim.name)},
    {"rim", "size", offsetof(Build, wheel.rim.size)},
    {"rim", "notes", offsetof(Build, wheel.rim.notes)},
    {"rim", "source", offsetof(Build, wheel.rim.source)},
    {"hub", "name", offsetof(Build, wheel.hub.name)},
    {"hub", "axle", offsetof(Build, wheel.hub.axle)},
    {"hub", "notes", offsetof(Build, wheel.hub.notes)},
    {"hub", "position", offsetof(Build, wheel.hub.position)},
    {"hub", "source", offsetof(Build, wheel.hub.source)},
};

struct NumberField {
    const char *group;
    const char *key;
    size_t offset; // of a double in Build
};
const NumberField kNumbers[] = {
    {"rim", "erd", offsetof(Build, wheel.rim.diameter)},
    {"rim", "offset", offsetof(Build, wheel.rim.offset)},
    {"rim", "washer", offsetof(Build, wheel.rim.washer)},
    {"hub", "flangeDiameter1", offsetof(Build, wheel.hub.flangeDiameter1)},
    {"hub", "flangeDiameter2", offsetof(Build, wheel.hub.flangeDiameter2)},
    {"hub", "flangeDistance1", offsetof(Build, wheel.hub.flangeDistance1)},
    {"hub", "flangeDistance2", offsetof(Build, wheel.hub.flangeDistance2)},
    {"hub", "holeDiameter", offsetof(Build, wheel.hub.holeDiameter)},
    {"hub", "seatOffset", offsetof(Build, wheel.hub.seatOffset)},
    {"buying", "tension", offsetof(Build, wheel.target)},
};

// A popup's value, written as the name of what it stands for (or, for the
// lacing's counts and the stock step, as the number itself), so that the file
// reads plainly and does not depend on the popups' order.
struct Choice {
    int value;
    const char *name; // null: written as the number `value`
};
const Choice kHeads[] = {{kHeadJBend, "J-bend"}, {kHeadStraightPull, "straight-pull"}};
const Choice kSharings[] = {{kSidesEqual, "equal"},
                            {kSidesMoreOn2, "2:1, more on side 2"},
                            {kSidesMoreOn1, "2:1, more on side 1"}};
const Choice kGauges[] = {{kGaugeNotSet, "none"},
                          {kGaugePlain20, "2.0"},
                          {kGaugePlain18, "1.8"},
                          {kGaugePlain23, "2.3"},
                          {kGaugeButted201820, "2.0/1.8/2.0"},
                          {kGaugeButted201520, "2.0/1.5/2.0"}};
const Choice kSides[] = {{1, nullptr}, {2, nullptr}};
const Choice kExits[] = {{kExitAimed, "aimed"}, {kExitTangential, "tangential"}};
const Choice kUnits[] = {{kUnitKilogramForce, "kgf"}, {kUnitNewtons, "N"}};
const Choice kSpokeCounts[] = {{16, nullptr}, {18, nullptr}, {20, nullptr},
                               {24, nullptr}, {28, nullptr}, {32, nullptr},
                               {36, nullptr}, {40, nullptr}, {48, nullptr}};
const Choice kCrossings[] = {{0, nullptr}, {1, nullptr}, {2, nullptr}, {3, nullptr}, {4, nullptr}};
const Choice kStockSteps[] = {{2, nullptr}, {1, nullptr}};

struct ChoiceField {
    const char *group;
    const char *key;
    size_t offset; // of an int in Build, or of a double for `isDouble`
    const Choice *choices;
    size_t count;
    bool isDouble;
};
#define CHOICES(list) list, sizeof list / sizeof list[0]
const ChoiceField kChoices[] = {
    {"rim", "offsetToward", offsetof(Build, wheel.rim.offsetSide), CHOICES(kSides), false},
    {"hub", "head", offsetof(Build, wheel.hub.head), CHOICES(kHeads), false},
    {"hub", "exit", offsetof(Build, wheel.hub.exit), CHOICES(kExits), false},
    {"lacing", "spokes", offsetof(Build, wheel.spokes), CHOICES(kSpokeCounts), false},
    {"lacing", "spokesPerSide", offsetof(Build, wheel.sharing), CHOICES(kSharings), false},
    {"lacing", "crossings1", offsetof(Build, wheel.crossings1), CHOICES(kCrossings), false},
    {"lacing", "crossings2", offsetof(Build, wheel.crossings2), CHOICES(kCrossings), false},
    {"buying", "gauge1", offsetof(Build, wheel.gauge1), CHOICES(kGauges), false},
    {"buying", "gauge2", offsetof(Build, wheel.gauge2), CHOICES(kGauges), false},
    {"buying", "tensionUnit", offsetof(Build, wheel.unit), CHOICES(kUnits), false},
    {"buying", "stockStep", offsetof(Build, wheel.stockStep), CHOICES(kStockSteps), true},
};
#undef CHOICES

template <typename T> T &At(Build *b, size_t offset)
{
    return *reinterpret_cast<T *>(reinterpret_cast<char *>(b) + offset);
}
template <typename T> const T &At(const Build &b, size_t offset)
{
    return *reinterpret_cast<const T *>(reinterpret_cast<const char *>(&b) + offset);
}

int ChoiceValue(const Build &b, const ChoiceField &f)
{
    return f.isDouble ? (int)At<double>(b, f.offset) : At<int>(b, f.offset);
}

// The object a field lives in: the top level or one of its groups.
template <typename J> J &Group(J &top, const char *group)
{
    return group[0] ? top[group] : top;
}

// A figure for the results: null when there is none.
OrderedJson Figure(double value)
{
    return isfinite(value) ? OrderedJson(value) : OrderedJson(nullptr);
}

OrderedJson Side2Json(const SideResults &s)
{
    OrderedJson j = OrderedJson::object();
    j["spokes"] = s.spokes;
    j["length"] = Figure(s.length);
    j["tensionPercent"] = Figure(s.percent);
    j["tension"] = Figure(s.tension);
    j["bracingAngle"] = Figure(s.bracing);
    j["stretch"] = Figure(s.stretch);
    j["lengthToBuy"] = Figure(s.toBuy);
    j["lengthToBuyDifference"] = Figure(s.toBuyDifference);
    return j;
}

// Copies a UTF-8 text into a form's text buffer, cut on a character boundary.
void CopyText(char *out, const std::string &text, size_t size = kWheelTextSize)
{
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n < text.size())
        while (n > 0 && ((unsigned char)text[n] & 0xC0) == 0x80)
            n--; // text[n] continues the character before it: cut before that one
    memcpy(out, text.data(), n);
    out[n] = '\0';
    out[strnlen(out, n)] = '\0'; // a NUL inside ends the text, as the form would
}

// The members of a known field: where to find it, and what it must be.
const Json *Member(const Json &top, const char *group, const char *key)
{
    const Json *object = &top;
    if (group[0]) {
        auto g = top.find(group);
        if (g == top.end())
            return nullptr;
        object = &*g;
        if (!object->is_object())
            return object; // the caller sees a wrong type
    }
    auto m = object->find(key);
    return m == object->end() ? nullptr : &*m;
}

// Reads every known field of `top` into `b`. A field of the wrong type or with
// a value the form cannot show makes the whole file damaged, unless the file
// is of a newer format, where it is left out.
// The readings: a text per rim hole (each judged again as it is set), the
// meter's name and the band; anything else there is `bad`.
template <typename Bad> void Json2Readings(const Json &top, Bad bad, Readings *r)
{
    auto readings = top.find("readings");
    if (readings == top.end())
        return;
    if (!readings->is_object()) {
        bad();
        return;
    }
    auto meter = readings->find("meter");
    if (meter != readings->end() && meter->is_string())
        CopyText(r->meter, meter->get_ref<const std::string &>(), sizeof r->meter);
    else if (meter != readings->end())
        bad();
    auto band = readings->find("band");
    if (band != readings->end() && band->is_number() &&
        (band->get<double>() == 10 || band->get<double>() == 20))
        r->band = (int)band->get<double>();
    else if (band != readings->end())
        bad();
    auto holes = readings->find("rimHoles");
    if (holes == readings->end())
        return;
    if (!holes->is_array() || holes->size() > kMaxLacingSpokes) {
        bad();
        return;
    }
    r->count = (int)holes->size();
    for (int i = 0; i < r->count; i++) {
        const Json &h = (*holes)[(size_t)i];
        if (!h.is_string()) {
            bad();
            continue;
        }
        char text[kReadingTextSize];
        CopyText(text, h.get_ref<const std::string &>(), sizeof text);
        SetReading(r, i, text);
    }
}

bool Json2Build(const Json &top, bool newer, Build *b)
{
    bool ok = true;
    auto bad = [&]() { ok = ok && newer; };
    for (const TextField &f : kTexts) {
        const Json *m = Member(top, f.group, f.key);
        if (!m)
            continue;
        if (m->is_string())
            CopyText(&At<char>(b, f.offset), m->get_ref<const std::string &>());
        else
            bad();
    }
    for (const NumberField &f : kNumbers) {
        const Json *m = Member(top, f.group, f.key);
        if (!m)
            continue;
        if (m->is_number() && isfinite(m->get<double>()))
            At<double>(b, f.offset) = m->get<double>();
        else
            bad();
    }
    for (const ChoiceField &f : kChoices) {
        const Json *m = Member(top, f.group, f.key);
        if (!m)
            continue;
        const Choice *found = nullptr;
        for (size_t i = 0; i < f.count && !found; i++) {
            const Choice &c = f.choices[i];
            if (c.name ? m->is_string() && m->get_ref<const std::string &>() == c.name
                       : m->is_number() && m->get<double>() == c.value)
                found = &c;
        }
        if (!found)
            bad();
        else if (f.isDouble)
            At<double>(b, f.offset) = found->value;
        else
            At<int>(b, f.offset) = found->value;
    }
    Json2Readings(top, bad, &b->readings);
    return ok;
}

// Deeper than a build goes: such values are dropped while parsing, so that a
// file of nested brackets costs neither memory nor stack.
enum { kMaxDepth = 8 };

} // namespace

void ClearBuild(Build *build)
{
    memset(build, 0, sizeof *build);
    Wheel &w = build->wheel;
    w.rim.offsetSide = 2;
    w.hub.head = kHeadJBend;
    w.hub.exit = kExitAimed;
    w.spokes = 32;
    w.crossings1 = 3;
    w.crossings2 = 3;
    w.sharing = kSidesEqual;
    w.gauge1 = kGaugeNotSet;
    w.gauge2 = kGaugeNotSet;
    w.unit = kUnitKilogramForce;
    w.stockStep = 2;
}

bool SameBuild(const Build &a, const Build &b)
{
    for (const TextField &f : kTexts)
        if (strcmp(&At<char>(a, f.offset), &At<char>(b, f.offset)) != 0)
            return false;
    for (const NumberField &f : kNumbers)
        if (At<double>(a, f.offset) != At<double>(b, f.offset))
            return false;
    for (const ChoiceField &f : kChoices)
        if (f.isDouble ? At<double>(a, f.offset) != At<double>(b, f.offset)
                       : At<int>(a, f.offset) != At<int>(b, f.offset))
            return false;
    const Readings &ra = a.readings, &rb = b.readings;
    if (strcmp(ra.meter, rb.meter) != 0 || BandOf(ra) != BandOf(rb))
        return false;
    for (int i = 0; i < kMaxLacingSpokes; i++)
        if (strcmp(i < ra.count ? ra.hole[i].text : "", i < rb.count ? rb.hole[i].text : "") != 0)
            return false;
    return true;
}

std::string Build2Text(const Build &b)
{
    OrderedJson top = OrderedJson::object();
    top["format"] = kFormatName;
    top["version"] = (int)kBuildFormat;
    for (const char *group : {"", "rim", "hub", "lacing", "buying"}) {
        if (group[0])
            top[group] = OrderedJson::object();
        for (const TextField &f : kTexts)
            if (!strcmp(f.group, group))
                Group(top, group)[f.key] = std::string(&At<char>(b, f.offset));
        for (const NumberField &f : kNumbers)
            if (!strcmp(f.group, group))
                Group(top, group)[f.key] = Figure(At<double>(b, f.offset));
        for (const ChoiceField &f : kChoices) {
            if (strcmp(f.group, group))
                continue;
            const int value = ChoiceValue(b, f);
            const Choice *found = nullptr;
            for (size_t i = 0; i < f.count; i++)
                if (f.choices[i].value == value)
                    found = &f.choices[i];
            if (found && found->name)
                Group(top, group)[f.key] = found->name;
            else if (f.isDouble)
                Group(top, group)[f.key] = Figure(At<double>(b, f.offset));
            else
                Group(top, group)[f.key] = value;
        }
    }
    // The readings as typed, one text per rim hole from rim hole 1; only when
    // there are any, so that a build without them reads as before.
    bool anyReading = false;
    for (int i = 0; i < b.readings.count && i < kMaxLacingSpokes; i++)
        anyReading = anyReading || b.readings.hole[i].text[0];
    if (anyReading) {
        OrderedJson readings = OrderedJson::object();
        readings["meter"] = std::string(b.readings.meter);
        readings["band"] = BandOf(b.readings);
        OrderedJson holes = OrderedJson::array();
        for (int i = 0; i < b.readings.count && i < kMaxLacingSpokes; i++)
            holes.push_back(std::string(b.readings.hole[i].text));
        readings["rimHoles"] = holes;
        top["readings"] = readings;
    }
    if (b.results.calculated) {
        OrderedJson results = OrderedJson::object();
        results["side1"] = Side2Json(b.results.side1);
        results["side2"] = Side2Json(b.results.side2);
        top["results"] = results;
    }
    // Texts are the form's UTF-8; should one not be, its bad bytes become
    // U+FFFD rather than losing the save.
    return top.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

BuildStatus Text2Build(const char *text, size_t size, Build *build)
{
    size_t first = 0;
    while (first < size && strchr(" \t\r\n", text[first]) && text[first])
        first++;
    const bool object = first < size && text[first] == '{';
    Json top;
    try {
        top = Json::parse(text, text + size, [](int depth, Json::parse_event_t event, Json &) {
            return depth <= kMaxDepth || (event != Json::parse_event_t::object_start &&
                                          event != Json::parse_event_t::array_start);
        });
    } catch (const Json::parse_error &e) {
        if (!object)
            return kBuildNotABuild;
        return e.byte > size ? kBuildCutShort : kBuildDamaged;
    } catch (const Json::exception &) {
        return object ? kBuildDamaged : kBuildNotABuild; // a number too large for a double
    }
    auto format = top.is_object() ? top.find("format") : top.end();
    if (!top.is_object() || format == top.end() || !format->is_string() ||
        format->get_ref<const std::string &>() != kFormatName)
        return kBuildNotABuild;
    auto version = top.find("version");
    if (version == top.end() || !version->is_number_integer() || version->get<long long>() < 1)
        return kBuildDamaged;
    const bool newer = version->get<long long>() > kBuildFormat;
    Build read;
    ClearBuild(&read);
    if (!Json2Build(top, newer, &read))
        return kBuildDamaged;
    *build = read;
    return newer ? kBuildNewer : kBuildOK;
}
