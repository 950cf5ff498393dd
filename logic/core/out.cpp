#include "logic/core/out.h"

#include <charconv>
#include <cstdint>
#include <stdexcept>


namespace qn::logic {

using engine::Term;

namespace {

std::string fill_holes(std::string_view line, const OutVars& vars) {
  std::string out;
  std::size_t at = 0;
  for (;;) {
    const std::size_t open = line.find('$', at);
    if (open == std::string_view::npos) break;
    const std::size_t shut = line.find('$', open + 1);
    if (shut == std::string_view::npos) {
      throw std::logic_error("template line with an unclosed '$': " + std::string(line));
    }
    out.append(line.substr(at, open - at));
    const std::string_view name = line.substr(open + 1, shut - open - 1);
    if (name.empty()) {
      out += '$';
    } else {
      const auto* found = [&]() -> const std::string* {
        for (const auto& [k, v] : vars) {
          if (k == name) return &v;
        }
        return nullptr;
      }();
      if (found == nullptr)
        throw std::logic_error("template hole without a value: $" + std::string(name) + "$");
      out += *found;
    }
    at = shut + 1;
  }
  out.append(line.substr(at));
  return out;
}

bool blank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

struct Line {
  bool empty = false;
  int before = 0;
  int after = 0;
  std::string text;
};

Term line_term(const Line& l) {
  if (l.empty) return Term::nil();
  const Term items = Term::list({Term::string(l.text)});
  if (l.before == 0 && l.after == 0) return items;
  return Term::list({Term::integer(l.before), Term::integer(l.after), items});
}

// The lines of a template (see template_lines).
std::vector<Line> template_text(std::string_view tmpl, const OutVars& vars, int before) {
  std::vector<std::string_view> raw;
  for (std::size_t at = 0;;) {
    const std::size_t nl = tmpl.find('\n', at);
    raw.push_back(tmpl.substr(at, nl == std::string_view::npos ? std::string_view::npos : nl - at));
    if (nl == std::string_view::npos) break;
    at = nl + 1;
  }
  if (raw.size() > 1 && blank(raw.front())) raw.erase(raw.begin());
  if (raw.size() > 1 && blank(raw.back())) raw.pop_back();

  std::vector<Line> lines;
  int base = -1;
  int level = 0;
  int last_text = -1;  // index of the last line with text
  for (std::string_view r : raw) {
    if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
    Line l;
    if (blank(r)) {
      l.empty = true;
      lines.push_back(l);
      continue;
    }
    const int indent = static_cast<int>(r.find_first_not_of(" \t"));
    if (base < 0) base = indent;
    const int step = (indent - base) - level;
    level = indent - base;
    if (step > 0 && last_text >= 0) {
      lines[static_cast<std::size_t>(last_text)].after += step;
    } else {
      l.before += step;
    }
    l.text = fill_holes(r.substr(static_cast<std::size_t>(indent)), vars);
    last_text = static_cast<int>(lines.size());
    lines.push_back(std::move(l));
  }
  if (before != 0) {
    // The shift rides on the first line; an empty line cannot carry one.
    for (Line& l : lines) {
      if (l.empty) continue;
      l.before += before;
      break;
    }
  }
  return lines;
}

// A piece's text followed by its blank; false for a piece the line format
// does not write (only texts and 32-bit integers are written).
bool append_piece(std::string& line, const Term& t) {
  if (t.is_int()) {
    const int64_t v = t.as_int();
    if (v < INT32_MIN || v > INT32_MAX) return false;
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    line.append(buf, r.ptr);
  } else if (t.is_atom() || t.is_string()) {
    line += t.text();
  } else {
    return false;
  }
  line += ' ';
  return true;
}

}  // namespace

Term template_lines(std::string_view tmpl, const OutVars& vars, int before) {
  const std::vector<Line> lines = template_text(tmpl, vars, before);
  std::vector<Term> terms;
  terms.reserve(lines.size());
  for (const Line& l : lines) terms.push_back(line_term(l));
  return Term::list(terms);
}

Out& Out::emit(std::string_view tmpl) {
  if (!ok_) return *this;
  // The holes are checked even when a text-less template carries no shift.
  const std::vector<Line> lines = template_text(tmpl, vars_, pending_);
  for (const Line& l : lines) {
    if (!l.empty) pending_ = 0;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) run_.engine().check_interrupt();
  Output& out = run_.output();
  for (const Line& l : lines) {
    if (l.empty) {
      ok_ = out.line("");
    } else if (l.before == 0 && l.after == 0) {
      ok_ = out.line(l.text);
    } else {
      ok_ = out.line(l.before, l.after, l.text);
    }
    if (!ok_) break;
  }
  return *this;
}

Out& Out::open(std::string_view text) {
  if (!ok_) return *this;
  const std::string line = fill_holes(text, vars_);
  run_.engine().check_interrupt();
  ok_ = run_.output().line(pending_, kMarginStep, line);
  pending_ = 0;
  return *this;
}

Out& Out::close(std::string_view text) {
  if (!ok_) return *this;
  const std::string line = fill_holes(text, vars_);
  run_.engine().check_interrupt();
  ok_ = run_.output().line(pending_ - kMarginStep, 0, line);
  pending_ = 0;
  return *this;
}

Out& Out::shift(int n) {
  pending_ += n;
  return *this;
}

Out& Out::pieces(std::initializer_list<Piece> items) {
  return write_pieces(std::span<const Piece>(items.begin(), items.size()));
}

Out& Out::pieces(const std::vector<Piece>& items) {
  return write_pieces(std::span<const Piece>(items));
}

Out& Out::write_pieces(std::span<const Piece> items) {
  if (!ok_) return *this;
  std::string line;
  for (const Piece& p : items) {
    if (!append_piece(line, p.term)) {
      // Nothing of the line is written; the file's close reports it.
      run_.output().fail();
      ok_ = false;
      return *this;
    }
  }
  run_.engine().check_interrupt();
  Output& out = run_.output();
  ok_ = pending_ != 0 ? out.line(pending_, 0, line) : out.line(line);
  pending_ = 0;
  return *this;
}

}  // namespace qn::logic
