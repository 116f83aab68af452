#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Hands out the lines of a text one by one, never holding more than `longest`
// bytes of one line; past the end every line is empty. Both CR LF and a lone
// LF end a line.
class PlanLineReader {
 public:
  PlanLineReader(std::istream& in, std::size_t longest) : in_(in), longest_(longest) {}

  bool AtEnd() const;
  // Reads the next line into `line`; false when it is longer than `longest`,
  // in which case the rest of it is left unread.
  bool Next(std::string& line);

 private:
  std::istream& in_;
  std::size_t longest_;
};
