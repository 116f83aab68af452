#include "model/PlanLineReader.h"

namespace {

using Traits = std::istream::traits_type;

}  // namespace

bool PlanLineReader::AtEnd() const {
  std::streambuf* buffer = in_.rdbuf();
  return !buffer || Traits::eq_int_type(buffer->sgetc(), Traits::eof());
}

bool PlanLineReader::Next(std::string& line) {
  line.clear();
  std::streambuf* buffer = in_.rdbuf();
  if (!buffer) return true;
  for (Traits::int_type c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
    if (Traits::to_char_type(c) == '\n') break;
    // One byte beyond the limit may still be the CR of the line end.
    if (line.size() > longest_) return false;
    line.push_back(Traits::to_char_type(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.size() <= longest_;
}
