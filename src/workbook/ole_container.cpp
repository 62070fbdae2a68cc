#include "workbook/ole_container.hpp"

#include <gsf/gsf.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string_view>

#include "files/atomic_file.hpp"

namespace vaporel::xls {

namespace {

constexpr int kMaxDepth = 16;

void EnsureGsf() {
  static std::once_flag once;
  std::call_once(once, [] {
    gsf_init();
    // A damaged file is reported to the caller as an error; libgsf's own complaints about
    // it would only reach the terminal, ahead of the program's message.
    const auto quiet = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
    for (const char* domain : {"libgsf", "libgsf:msole", "msole"}) {
      g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK), quiet, nullptr);
    }
  });
}

// Owns one GObject reference.
template <class T>
struct GRef {
  T* p = nullptr;
  explicit GRef(T* ptr) : p(ptr) {}
  GRef(const GRef&) = delete;
  GRef& operator=(const GRef&) = delete;
  ~GRef() {
    if (p) g_object_unref(p);
  }
};

struct GErrorBox {
  GError* e = nullptr;
  ~GErrorBox() {
    if (e) g_error_free(e);
  }
  std::string text() const { return e && e->message ? e->message : "unknown error"; }
};

bool ReadEntry(GsfInput* input, OleEntry& entry, int depth, std::size_t& budget) {
  if (depth > kMaxDepth) return false;
  entry.name = gsf_input_name(input) ? gsf_input_name(input) : "";
  if (GSF_IS_INFILE(input) && gsf_infile_num_children(GSF_INFILE(input)) >= 0) {
    entry.storage = true;
    if (GSF_IS_INFILE_MSOLE(input)) gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(input), entry.classId.data());
    const int count = gsf_infile_num_children(GSF_INFILE(input));
    for (int i = 0; i < count; ++i) {
      GRef<GsfInput> child(gsf_infile_child_by_index(GSF_INFILE(input), i));
      if (!child.p) return false;
      OleEntry c;
      if (!ReadEntry(child.p, c, depth + 1, budget)) return false;
      entry.children.push_back(std::move(c));
    }
    return true;
  }
  const gsf_off_t size = gsf_input_size(input);
  if (size < 0 || static_cast<std::size_t>(size) > budget) return false;
  budget -= static_cast<std::size_t>(size);
  entry.data.resize(static_cast<std::size_t>(size));
  if (size > 0 && !gsf_input_read(input, static_cast<std::size_t>(size), entry.data.data())) return false;
  return true;
}

bool WriteEntry(GsfOutfile* parent, const OleEntry& entry) {
  GRef<GsfOutput> child(gsf_outfile_new_child(parent, entry.name.c_str(), entry.storage));
  if (!child.p) return false;
  bool ok = true;
  if (entry.storage) {
    if (GSF_IS_OUTFILE_MSOLE(child.p)) gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(child.p), entry.classId.data());
    for (const auto& c : entry.children) ok = ok && WriteEntry(GSF_OUTFILE(child.p), c);
  } else if (!entry.data.empty()) {
    ok = gsf_output_write(child.p, entry.data.size(), entry.data.data());
  }
  return gsf_output_close(child.p) && ok;
}

}  // namespace

ClassId WorkbookClassId() {
  return {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
}

Result<OleFile> ParseOleFile(const Bytes& fileBytes) {
  EnsureGsf();
  GRef<GsfInput> memory(gsf_input_memory_new(fileBytes.data(), static_cast<gsf_off_t>(fileBytes.size()), FALSE));
  GErrorBox err;
  GRef<GsfInfile> ole(gsf_infile_msole_new(memory.p, &err.e));
  if (!ole.p) return Error{ErrorCode::NotCompoundFile, err.text()};
  OleFile file;
  gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.p), file.rootClassId.data());
  std::size_t budget = kMaxFileSize;
  const int count = gsf_infile_num_children(ole.p);
  for (int i = 0; i < count; ++i) {
    GRef<GsfInput> child(gsf_infile_child_by_index(ole.p, i));
    OleEntry entry;
    if (!child.p || !ReadEntry(child.p, entry, 1, budget)) return Error{ErrorCode::Damaged, "compound file entry"};
    file.entries.push_back(std::move(entry));
  }
  return file;
}

Result<OleFile> ReadOleFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int cause = errno;
    if (cause == ENOENT || cause == ENOTDIR) return Error{ErrorCode::FileMissing, path, std::strerror(cause)};
    return Error{ErrorCode::NotReadable, path, std::strerror(cause)};
  }
  if (S_ISDIR(st.st_mode)) return Error{ErrorCode::IsDirectory, path, std::strerror(EISDIR)};
  if (!S_ISREG(st.st_mode)) return Error{ErrorCode::NotReadable, path, "not a regular file"};
  if (static_cast<std::size_t>(st.st_size) > kMaxFileSize) {
    return Error{ErrorCode::NotReadable, path, std::strerror(EFBIG)};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error{ErrorCode::NotReadable, path, std::strerror(errno)};
  Bytes bytes(static_cast<std::size_t>(st.st_size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
    return Error{ErrorCode::NotReadable, path, "the file ended early"};
  }
  return ParseOleFile(bytes);
}

Result<Bytes> EncodeOleFile(const OleFile& file) {
  EnsureGsf();
  GRef<GsfOutput> memory(gsf_output_memory_new());
  GRef<GsfOutfile> ole(gsf_outfile_msole_new(memory.p));
  if (!ole.p) return Error{ErrorCode::NotWritable, "cannot create a compound file"};
  gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.p), file.rootClassId.data());
  bool ok = true;
  for (const auto& e : file.entries) ok = ok && WriteEntry(ole.p, e);
  ok = gsf_output_close(GSF_OUTPUT(ole.p)) && ok;
  if (!ok) return Error{ErrorCode::NotWritable, "cannot build the compound file"};
  const auto size = gsf_output_size(memory.p);
  const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.p));
  if (size <= 0 || !data) return Error{ErrorCode::NotWritable, "empty compound file"};
  return Bytes(data, data + size);
}

Status WriteFileAtomically(const std::string& path, const Bytes& bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    return Error{ErrorCode::IsDirectory, path, std::strerror(EISDIR)};
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (auto cause = vaporel::WriteFileAtomically(path, text))
    return Error{ErrorCode::NotWritable, path, std::move(*cause)};
  return Done{};
}

}  // namespace vaporel::xls
