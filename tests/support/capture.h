// Captures what the library prints and the message boxes it shows, for the
// life of the object.
#pragma once

#include <string>
#include <vector>

namespace lumo::testing {

struct Box {
  std::string title;
  std::string text;
  unsigned flags;
};

class Capture {
 public:
  Capture();
  ~Capture();
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  const std::string& out() const { return out_; }  // standard output
  const std::string& err() const { return err_; }  // standard error (boxes appear here too)
  const std::vector<Box>& boxes() const { return boxes_; }
  void clear();

 private:
  std::string out_;
  std::string err_;
  std::vector<Box> boxes_;
};

}  // namespace lumo::testing
