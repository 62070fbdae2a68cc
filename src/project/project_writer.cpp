#include "project/project_writer.hpp"

#include <charconv>
#include <cstdio>

#include "files/atomic_file.hpp"

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

// The shortest text that reads back as the value, always a TOML float.
std::string Float(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string out(text, end);
  if (out.find_first_of(".eE") == std::string::npos) out += ".0";
  return out;
}

void Line(std::string& out, std::string_view key, const std::string& value) {
  out.append(key).append(" = ").append(value).append("\n");
}

void Optional(std::string& out, std::string_view key, const std::optional<double>& value) {
  if (value) Line(out, key, Float(*value));
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

void Process(std::string& out, const ProcessInput& p) {
  out += "\n[[processes]]\n";
  const std::string_view key = ProcessKey(p.kind);
  if (p.kind == ProcessKind::Mix) {
    Line(out, key, NameList(p.from));
    Line(out, "fractions", FloatList(p.fractions));
  } else {
    Line(out, key, Quoted(p.from.front()));
  }
  if (!p.method.empty()) Line(out, "method", Quoted(p.method));
  Optional(out, "adp", p.adp);
  Optional(out, "bypass", p.bypass);
  Optional(out, "tdb", p.tdb);
  Optional(out, "RH", p.RH);
  Optional(out, "x", p.x);
  Optional(out, "power", p.power);
  Optional(out, "efficiency", p.efficiency);
  Optional(out, "steam_temperature", p.steamTemperature);
  Line(out, "into", Quoted(p.into));
}

void ZoneTable(std::string& out, const Zone& zone) {
  out += "\n[zones." + Quoted(zone.name) + "]\n";
  for (const ZoneBound& bound : zone.bounds) {
    const std::string name(PropertyName(bound.property));
    Optional(out, name + "_min", bound.min);
    Optional(out, name + "_max", bound.max);
  }
}

}  // namespace

std::string ProjectText(const Project& project) {
  std::string out;
  if (project.units != UnitSystem::SI) Line(out, "units", Quoted(UnitSystemName(project.units)));
  if (project.altitude) {
    Line(out, "altitude", Float(*project.altitude));
  } else {
    Line(out, "pressure", Float(project.pressure));
  }
  for (const StateInput& s : project.states) {
    out += "\n[states." + Quoted(s.name) + "]\n";
    Line(out, PropertyName(s.first.property), Float(s.first.value));
    Line(out, PropertyName(s.second.property), Float(s.second.value));
  }
  for (const ProcessInput& p : project.processes) Process(out, p);
  if (const auto& flow = project.airflow) {
    out += "\n[airflow]\n";
    Line(out, "state", Quoted(flow->state));
    Optional(out, "volume", flow->volume);
    Optional(out, "mass", flow->mass);
  }
  for (const Zone& zone : project.zones) ZoneTable(out, zone);
  return out;
}

std::optional<std::string> SaveProject(const std::string& path, const Project& project) {
  return WriteFileAtomically(path, ProjectText(project));
}

}  // namespace vaporel
