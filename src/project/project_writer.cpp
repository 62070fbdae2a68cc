#include "project/project_writer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <variant>

#include "files/atomic_file.hpp"
#include "project/project_keys.hpp"
#include "project/project_reader.hpp"
#include "project/source_text.hpp"

namespace vaporel {
namespace {

// A TOML basic string: quotes, backslashes and control characters escaped.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

// A name as a key: bare where TOML allows it, else quoted.
std::string Key(std::string_view name) {
  const bool bare = !name.empty() && std::all_of(name.begin(), name.end(), IsBareKeyCharacter);
  return bare ? std::string(name) : Quoted(name);
}

// The shortest text that reads back as the value, always a TOML float.
std::string Float(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string out(text, end);
  if (out.find_first_of(".eE") == std::string::npos) out += ".0";
  return out;
}

std::string NameList(const std::vector<std::string>& names) {
  std::string out = "[";
  for (std::size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + Quoted(names[i]);
  return out + "]";
}

std::string FloatList(const std::vector<double>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + Float(values[i]);
  return out + "]";
}

// One key and its value as TOML text; a number also as its value, to be spelt as the file spells it.
struct KeyValue {
  std::string key;
  std::string text;
  std::optional<double> number;
};
using KeyValues = std::vector<KeyValue>;

void Number(KeyValues& out, std::string_view key, const std::optional<double>& value) {
  if (value) out.push_back({std::string(key), Float(*value), *value});
}

KeyValues StateValues(const StateInput& s) {
  KeyValues out;
  Number(out, PropertyName(s.first.property), s.first.value);
  Number(out, PropertyName(s.second.property), s.second.value);
  return out;
}

KeyValues ProcessValues(const ProcessInput& p) {
  KeyValues out;
  const std::string key(ProcessKey(p.kind()));
  if (const auto* mix = std::get_if<MixFigures>(&p.figures)) {
    out.push_back({key, NameList(mix->from), std::nullopt});
    if (!mix->fractions.empty()) out.push_back({"fractions", FloatList(mix->fractions), std::nullopt});
    if (!mix->flows.empty()) out.push_back({"flows", FloatList(mix->flows), std::nullopt});
    if (!mix->massFlows.empty()) out.push_back({"mass_flows", FloatList(mix->massFlows), std::nullopt});
  } else if (const auto* recover = std::get_if<RecoverFigures>(&p.figures)) {
    out.push_back({key, NameList(recover->from), std::nullopt});
    if (!recover->flows.empty()) out.push_back({"flows", FloatList(recover->flows), std::nullopt});
    if (!recover->massFlows.empty()) out.push_back({"mass_flows", FloatList(recover->massFlows), std::nullopt});
  } else {
    out.push_back({key, Quoted(p.from().front()), std::nullopt});
  }
  if (const auto* humidifier = std::get_if<HumidifyFigures>(&p.figures)) {
    out.push_back({"method", Quoted(humidifier->method), std::nullopt});
  }
  for (const ProcessFigure& figure : FiguresOf(p.kind())) {
    if (const FigureReference* r = p.reference(figure.key)) {
      out.push_back(
          {std::string(figure.key), Quoted(r->state + "." + std::string(PropertyName(r->property))), std::nullopt});
    } else {
      Number(out, figure.key, figure.of(p));
    }
  }
  const std::vector<std::string> made = p.made();
  out.push_back({"into", made.size() == 1 ? Quoted(p.into) : NameList(made), std::nullopt});
  return out;
}

KeyValues AirFlowValues(const AirFlowInput& flow) {
  KeyValues out{{"state", Quoted(flow.state), std::nullopt}};
  Number(out, "volume", flow.volume);
  Number(out, "mass", flow.mass);
  return out;
}

KeyValues RootValues(const Project& project) {
  KeyValues out;
  if (project.units != UnitSystem::SI) out.push_back({"units", Quoted(UnitSystemName(project.units)), std::nullopt});
  if (project.formulation != FormulationId::Design) {
    out.push_back({"formulation", Quoted(AshraeFormulation().name()), std::nullopt});
  }
  if (project.altitude) {
    Number(out, "altitude", project.altitude);
  } else {
    Number(out, "pressure", project.pressure);
  }
  return out;
}

std::string Lines(const KeyValues& values, std::string_view indent, std::string_view newline) {
  std::string out;
  for (const KeyValue& v : values) out.append(indent).append(v.key).append(" = ").append(v.text).append(newline);
  return out;
}

std::string InlineTable(const KeyValues& values) {
  std::string out = "{";
  for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : " ") + values[i].key + " = " + values[i].text;
  return out + " }";
}

std::string HeaderEntry(std::string_view header, const KeyValues& values, std::string_view indent,
                        std::string_view newline) {
  return std::string(newline) + std::string(header) + std::string(newline) + Lines(values, indent, newline);
}

// The text of a project made by hand, in the program's own layout.
std::string NewText(const Project& project) {
  const std::string_view nl = "\n";
  std::string out = Lines(RootValues(project), "", nl);
  for (const StateInput& s : project.states) out += HeaderEntry("[states." + Key(s.name) + "]", StateValues(s), "", nl);
  for (const ProcessInput& p : project.processes) out += HeaderEntry("[[processes]]", ProcessValues(p), "", nl);
  if (project.airflow) out += HeaderEntry("[airflow]", AirFlowValues(*project.airflow), "", nl);
  for (const Zone& zone : project.zones) {
    KeyValues bounds;
    for (const ZoneBound& bound : zone.bounds) {
      const std::string name(PropertyName(bound.property));
      Number(bounds, name + "_min", bound.min);
      Number(bounds, name + "_max", bound.max);
    }
    out += HeaderEntry("[zones." + Key(zone.name) + "]", bounds, "", nl);
  }
  return out;
}

// A number in the file's spelling: an integer stays one while the value is whole.
std::string Spelt(const KeyValue& value, const KeyPlace* was) {
  if (was && was->integer && value.number && std::abs(*value.number) < 1e15 &&
      *value.number == std::floor(*value.number)) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(*value.number));
    return text;
  }
  return value.text;
}

// The file's text with only what was edited rewritten: each edit replaces a span of the text
// as it was read (an insertion is an empty span).
class Editor {
 public:
  explicit Editor(const std::string& text)
      : text_(text), newline_(text.find("\r\n") != std::string::npos ? "\r\n" : "\n") {}

  const std::string& newline() const { return newline_; }

  // The indentation of the key lines of an entry under a header, or of the file's first one.
  std::string indentOf(const EntryPlace& place) const {
    const auto indent = [&](const EntryPlace& p) -> std::optional<std::string> {
      if (p.inlineTable || p.keys.empty()) return std::nullopt;
      const std::size_t start = p.keys.front().lines.begin;
      std::size_t end = start;
      while (end < text_.size() && (text_[end] == ' ' || text_[end] == '\t')) ++end;
      return text_.substr(start, end - start);
    };
    return indent(place).value_or(fileIndent_);
  }
  void learnIndent(const EntryPlace& place) {
    if (!fileIndentKnown_ && !place.inlineTable && !place.keys.empty()) {
      fileIndent_ = indentOf(place);
      fileIndentKnown_ = true;
    }
  }

  void replace(TextSpan span, std::string text) { edits_.push_back({span, std::move(text)}); }
  void insert(std::size_t at, std::string text) { edits_.push_back({{at, at}, std::move(text)}); }
  void remove(TextSpan span) { edits_.push_back({span, ""}); }

  // An entry's values as they were and as they are: changed values rewritten in place, keys
  // gone removed with their lines, new keys added where the first key gone stood, else at
  // `end` (after the entry's last key unless said otherwise).
  void entry(const EntryPlace& place, const KeyValues& before, const KeyValues& after,
             std::optional<std::size_t> end = std::nullopt) {
    const auto find = [](const KeyValues& values, const std::string& key) {
      return std::find_if(values.begin(), values.end(), [&](const KeyValue& v) { return v.key == key; });
    };
    bool sameKeys = before.size() == after.size();
    for (const KeyValue& v : after) sameKeys = sameKeys && find(before, v.key) != before.end() && place.key(v.key);
    if (!sameKeys && place.inlineTable) {
      replace(place.table, InlineTable(after));
      return;
    }
    std::string added;
    for (const KeyValue& v : after) {
      const auto old = find(before, v.key);
      const KeyPlace* at = place.key(v.key);
      if (old != before.end() && at) {
        if (old->text != v.text) replace(at->value, Spelt(v, at));
      } else {
        added += Lines({v}, indentOf(place), newline_);
      }
    }
    std::optional<std::size_t> gone;
    for (const KeyValue& v : before) {
      const KeyPlace* at = place.key(v.key);
      if (find(after, v.key) != after.end() || !at) continue;
      if (!gone) gone = at->lines.begin;
      remove(at->lines);
    }
    if (!added.empty()) insert(gone.value_or(end.value_or(place.lines.end)), added);
  }

  // The entry's lines, and the one blank line before a table under a header.
  void removeEntry(const EntryPlace& place) {
    TextSpan span = place.lines;
    if (!place.inlineTable && span.begin > 0) {
      std::size_t before = span.begin - 1;  // the previous line's '\n'
      if (before > 0 && text_[before - 1] == '\r') --before;
      if (before > 0 && text_[before - 1] == '\n') span.begin = before;
    }
    remove(span);
  }

  // Text inserted at the end of the file, on a line of its own.
  void append(std::string text) {
    if (!text_.empty() && text_.back() != '\n') text = newline_ + text;
    insert(text_.size(), std::move(text));
  }

  // The edits applied; nullopt when two overlap (never by construction).
  std::optional<std::string> result() {
    std::stable_sort(edits_.begin(), edits_.end(),
                     [](const Edit& a, const Edit& b) { return a.span.begin < b.span.begin; });
    std::string out;
    std::size_t done = 0;
    for (const Edit& e : edits_) {
      if (e.span.begin < done || e.span.end > text_.size() || e.span.end < e.span.begin) return std::nullopt;
      out.append(text_, done, e.span.begin - done);
      out += e.text;
      done = e.span.end;
    }
    out.append(text_, done, std::string::npos);
    return out;
  }

 private:
  struct Edit {
    TextSpan span;
    std::string text;
  };
  const std::string& text_;
  std::string newline_;
  std::string fileIndent_;
  bool fileIndentKnown_ = false;
  std::vector<Edit> edits_;
};

// Entries of the file as read, by where they stand, and those still in the project edited.
template <class Entry>
std::map<std::size_t, const Entry*> ByPlace(const std::vector<Entry>& entries) {
  std::map<std::size_t, const Entry*> out;
  for (const Entry& e : entries) {
    if (e.place.inFile) out[e.place.lines.begin] = &e;
  }
  return out;
}

template <class Entry>
const Entry* Counterpart(const std::map<std::size_t, const Entry*>& read, const Entry& edited) {
  if (!edited.place.inFile) return nullptr;
  const auto found = read.find(edited.place.lines.begin);
  return found == read.end() ? nullptr : found->second;
}

// The file as read, edited into the project as it is now: each kind of entry in turn, new
// entries after their kind's last.
class Edit {
 public:
  Edit(const Project& read, const Project& edited)
      : read_(read), edited_(edited), editor_(read.sourceText), nl_(editor_.newline()) {
    for (const StateInput& s : read.states) editor_.learnIndent(s.place);
    for (const ProcessInput& p : read.processes) editor_.learnIndent(p.place);
  }

  std::optional<std::string> text() {
    root();
    if (!states()) return std::nullopt;
    processes();
    airflow();
    return editor_.result();
  }

 private:
  // The root's keys (units, pressure or altitude): in place, or where a key gone stood, or
  // after the last of them.
  void root() {
    std::size_t afterRoot = 0;
    for (const std::string_view key : {"units", "formulation", "pressure", "altitude"}) {
      if (const KeyPlace* at = read_.root.key(key)) afterRoot = std::max(afterRoot, at->lines.end);
    }
    editor_.entry(read_.root, RootValues(read_), RootValues(edited_), afterRoot);
  }

  // States: renamed in their header or key, values in place, removed, or added after the last
  // (before the first process when there is none). False when a state cannot be renamed in place.
  bool states() {
    const auto byPlace = ByPlace(read_.states);
    bool inlineStates = false;
    std::optional<std::size_t> afterStates;
    for (const StateInput& s : read_.states) {
      inlineStates = inlineStates || s.place.inlineTable;
      afterStates = std::max(afterStates.value_or(0), s.place.lines.end);
    }
    std::string added;
    std::set<const StateInput*> kept;
    for (const StateInput& s : edited_.states) {
      const StateInput* was = Counterpart(byPlace, s);
      if (!was) {
        added += inlineStates ? editor_.indentOf(read_.states.front().place) + Key(s.name) + " = " +
                                    InlineTable(StateValues(s)) + nl_
                              : HeaderEntry("[states." + Key(s.name) + "]", StateValues(s), editor_.indentOf({}), nl_);
        continue;
      }
      kept.insert(was);
      if (was->name != s.name) {
        if (was->place.name.end <= was->place.name.begin) return false;
        editor_.replace(was->place.name, Key(s.name));
      }
      editor_.entry(was->place, StateValues(*was), StateValues(s));
    }
    for (const StateInput& s : read_.states) {
      if (!kept.contains(&s)) editor_.removeEntry(s.place);
    }
    if (added.empty()) return true;
    if (afterStates) {
      editor_.insert(*afterStates, added);
    } else if (!read_.processes.empty() && !read_.processesPlace.inlineTable) {
      editor_.insert(read_.processes.front().place.lines.begin, added.substr(nl_.size()) + nl_);
    } else {
      editor_.append(added);
    }
    return true;
  }

  // Processes: changed in place (a changed kind rewritten whole), removed, or appended after
  // the last; an inline array of processes is written anew whenever one of them changes.
  void processes() {
    if (read_.processesPlace.inlineTable) {
      inlineProcesses();
      return;
    }
    const auto byPlace = ByPlace(read_.processes);
    std::string added;
    std::set<const ProcessInput*> kept;
    for (const ProcessInput& p : edited_.processes) {
      const ProcessInput* was = Counterpart(byPlace, p);
      if (!was) {
        added += HeaderEntry("[[processes]]", ProcessValues(p), editor_.indentOf({}), nl_);
        continue;
      }
      kept.insert(was);
      if (was->kind() == p.kind()) {
        editor_.entry(was->place, ProcessValues(*was), ProcessValues(p));
      } else {
        const std::string whole = HeaderEntry("[[processes]]", ProcessValues(p), editor_.indentOf(was->place), nl_);
        editor_.replace(was->place.lines, whole.substr(nl_.size()));
      }
    }
    std::size_t afterProcesses = 0;
    for (const ProcessInput& p : read_.processes) {
      afterProcesses = std::max(afterProcesses, p.place.lines.end);
      if (!kept.contains(&p)) editor_.removeEntry(p.place);
    }
    if (added.empty()) return;
    if (read_.processes.empty()) {
      editor_.append(added);
    } else {
      editor_.insert(afterProcesses, added);
    }
  }

  void inlineProcesses() {
    const auto texts = [](const std::vector<ProcessInput>& all) {
      std::string out;
      for (const ProcessInput& p : all) out += InlineTable(ProcessValues(p)) + '\n';
      return out;
    };
    if (texts(read_.processes) == texts(edited_.processes)) return;
    std::string array = "[" + nl_;
    for (const ProcessInput& p : edited_.processes) array += "  " + InlineTable(ProcessValues(p)) + "," + nl_;
    editor_.replace(read_.processesPlace.table, array + "]");
  }

  // The air flow: in place, removed, or appended.
  void airflow() {
    const auto& was = read_.airflow;
    const auto& is = edited_.airflow;
    if (was && is && was->place.inFile) {
      editor_.entry(was->place, AirFlowValues(*was), AirFlowValues(*is));
      return;
    }
    if (was) editor_.removeEntry(was->place);
    if (is) editor_.append(HeaderEntry("[airflow]", AirFlowValues(*is), editor_.indentOf({}), nl_));
  }

  const Project& read_;
  const Project& edited_;
  Editor editor_;
  std::string nl_;
};

}  // namespace

std::string NewProjectText(const Project& project) { return NewText(project); }

std::string ProjectText(const Project& project) {
  if (project.sourceText.empty()) return NewText(project);
  const auto read = ReadProject(project.sourceText, "");
  if (!std::holds_alternative<Project>(read)) return NewText(project);
  if (auto text = Edit(std::get<Project>(read), project).text()) return *text;
  return NewText(project);
}

std::optional<std::string> SaveProject(const std::string& path, const Project& project) {
  return WriteFileAtomically(path, ProjectText(project));
}

}  // namespace vaporel
