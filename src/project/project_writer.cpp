#include "project/project_writer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <variant>

#include "files/atomic_file.hpp"
#include "project/project_keys.hpp"
#include "project/project_reader.hpp"

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
  const bool bare = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
  });
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
  const std::string key(ProcessKey(p.kind));
  if (p.kind == ProcessKind::Mix) {
    out.push_back({key, NameList(p.from), std::nullopt});
    out.push_back({"fractions", FloatList(p.fractions), std::nullopt});
  } else {
    out.push_back({key, Quoted(p.from.front()), std::nullopt});
  }
  if (!p.method.empty()) out.push_back({"method", Quoted(p.method), std::nullopt});
  for (const ProcessFigure& figure : FiguresOf(p.kind)) Number(out, figure.key, p.*figure.field);
  out.push_back({"into", Quoted(p.into), std::nullopt});
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

  // A number in the file's spelling: an integer stays one while the value is whole.
  static std::string Spelt(const KeyValue& value, const KeyPlace* was) {
    if (was && was->integer && value.number && std::abs(*value.number) < 1e15 &&
        *value.number == std::floor(*value.number)) {
      char text[32];
      std::snprintf(text, sizeof text, "%lld", static_cast<long long>(*value.number));
      return text;
    }
    return value.text;
  }

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

std::optional<std::string> EditedText(const Project& read, const Project& edited) {
  const std::string& text = read.sourceText;
  Editor editor(text);
  for (const StateInput& s : read.states) editor.learnIndent(s.place);
  for (const ProcessInput& p : read.processes) editor.learnIndent(p.place);
  const std::string& nl = editor.newline();

  // The root's keys (units, pressure or altitude): in place, or where a key gone stood, or
  // after the last of them.
  std::size_t afterRoot = 0;
  for (const std::string_view key : {"units", "pressure", "altitude"}) {
    if (const KeyPlace* at = read.root.key(key)) afterRoot = std::max(afterRoot, at->lines.end);
  }
  editor.entry(read.root, RootValues(read), RootValues(edited), afterRoot);

  // States: renamed in their header or key, values in place, removed, or added after the last.
  const auto states = ByPlace(read.states);
  bool inlineStates = false;
  std::optional<std::size_t> afterStates;
  for (const StateInput& s : read.states) {
    inlineStates = inlineStates || s.place.inlineTable;
    afterStates = std::max(afterStates.value_or(0), s.place.lines.end);
  }
  std::string newStates;
  std::vector<const StateInput*> kept;
  for (const StateInput& s : edited.states) {
    if (const StateInput* was = Counterpart(states, s)) {
      kept.push_back(was);
      if (was->name != s.name) {
        if (was->place.name.end <= was->place.name.begin) return std::nullopt;
        editor.replace(was->place.name, Key(s.name));
      }
      editor.entry(was->place, StateValues(*was), StateValues(s));
    } else if (inlineStates) {
      newStates += editor.indentOf(read.states.front().place) + Key(s.name) + " = " + InlineTable(StateValues(s)) + nl;
    } else {
      newStates += HeaderEntry("[states." + Key(s.name) + "]", StateValues(s), editor.indentOf({}), nl);
    }
  }
  for (const StateInput& s : read.states) {
    if (std::find(kept.begin(), kept.end(), &s) == kept.end()) editor.removeEntry(s.place);
  }

  // Processes: changed in place, removed, or appended after the last.
  const auto processes = ByPlace(read.processes);
  std::string newProcesses;
  std::vector<const ProcessInput*> keptProcesses;
  const bool inlineProcesses = read.processesPlace.inlineTable;
  for (const ProcessInput& p : edited.processes) {
    const ProcessInput* was = Counterpart(processes, p);
    if (was && was->kind == p.kind && !inlineProcesses) {
      keptProcesses.push_back(was);
      editor.entry(was->place, ProcessValues(*was), ProcessValues(p));
    } else if (was && !inlineProcesses) {
      keptProcesses.push_back(was);
      editor.replace(was->place.lines,
                     HeaderEntry("[[processes]]", ProcessValues(p), editor.indentOf(was->place), nl).substr(nl.size()));
    } else if (!inlineProcesses) {
      newProcesses += HeaderEntry("[[processes]]", ProcessValues(p), editor.indentOf({}), nl);
    }
  }
  if (inlineProcesses) {
    // An inline array of processes is written anew whenever one of them changes.
    const auto texts = [](const std::vector<ProcessInput>& all) {
      std::string out;
      for (const ProcessInput& p : all) out += InlineTable(ProcessValues(p)) + '\n';
      return out;
    };
    if (texts(read.processes) != texts(edited.processes)) {
      std::string array = "[" + nl;
      for (const ProcessInput& p : edited.processes) array += "  " + InlineTable(ProcessValues(p)) + "," + nl;
      editor.replace(read.processesPlace.table, array + "]");
    }
  } else {
    for (const ProcessInput& p : read.processes) {
      if (std::find(keptProcesses.begin(), keptProcesses.end(), &p) == keptProcesses.end()) {
        editor.removeEntry(p.place);
      }
    }
  }

  // The air flow: in place, removed, or appended.
  std::string newAirFlow;
  if (read.airflow && edited.airflow && read.airflow->place.inFile) {
    editor.entry(read.airflow->place, AirFlowValues(*read.airflow), AirFlowValues(*edited.airflow));
  } else if (edited.airflow) {
    if (read.airflow) editor.removeEntry(read.airflow->place);
    newAirFlow = HeaderEntry("[airflow]", AirFlowValues(*edited.airflow), editor.indentOf({}), nl);
  } else if (read.airflow) {
    editor.removeEntry(read.airflow->place);
  }

  // New entries after their kind's last, or at the end of the file.
  if (!newStates.empty()) {
    if (afterStates) {
      editor.insert(*afterStates, newStates);
    } else if (!read.processes.empty() && !inlineProcesses) {
      editor.insert(read.processes.front().place.lines.begin, newStates.substr(nl.size()) + nl);
    } else {
      editor.append(newStates);
    }
  }
  if (!newProcesses.empty()) {
    if (!read.processes.empty()) {
      editor.insert(std::max_element(read.processes.begin(), read.processes.end(),
                                     [](const ProcessInput& a, const ProcessInput& b) {
                                       return a.place.lines.end < b.place.lines.end;
                                     })
                        ->place.lines.end,
                    newProcesses);
    } else {
      editor.append(newProcesses);
    }
  }
  if (!newAirFlow.empty()) editor.append(newAirFlow);
  return editor.result();
}

}  // namespace

std::string NewProjectText(const Project& project) { return NewText(project); }

std::string ProjectText(const Project& project) {
  if (project.sourceText.empty()) return NewText(project);
  const auto read = ReadProject(project.sourceText, "");
  if (!std::holds_alternative<Project>(read)) return NewText(project);
  if (auto text = EditedText(std::get<Project>(read), project)) return *text;
  return NewText(project);
}

std::optional<std::string> SaveProject(const std::string& path, const Project& project) {
  return WriteFileAtomically(path, ProjectText(project));
}

}  // namespace vaporel
