// Reading and writing JSON jobs against the one field list of the Job record.
#include "model/json_job.h"

#include <fmt/format.h>

#include <cmath>
#include <tuple>
#include <unordered_map>
#include <nlohmann/json.hpp>

#include "model/job_field_index.h"
#include "model/job_fields.h"
#include "model/job_family.h"
#include "model/json_job_keys.h"
#include "model/quick_json_sax.h"

namespace traxen {

namespace {

using json = nlohmann::json;

// Line and column (both from 1) of a byte offset.
std::pair<int, int> LineColumn(std::string_view text, std::size_t byte) {
  int line = 1, column = 1;
  for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

// True when the parse stopped at a digit that follows "digit," (blanks allowed after the
// comma): most likely a number written with a decimal comma.
bool AfterDecimalComma(std::string_view text, std::size_t at) {
  auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  if (!digit(at)) return false;
  std::size_t i = at;
  while (i > 0 && digit(i - 1)) --i;  // the start of the number the parser stopped in
  while (i > 0 && (text[i - 1] == ' ' || text[i - 1] == '\t')) --i;
  return i >= 2 && text[i - 1] == ',' && digit(i - 2);
}

}  // namespace

bool JsonFieldSet::contains(std::string_view dotted) const {
  const int position = JobFieldPosition(dotted);
  return position >= 0 && has(static_cast<std::size_t>(position));
}

namespace {

// Field positions by group and key, built once; a job then needs one pass over its fields.
struct FieldIndex {
  std::unordered_map<std::string_view, std::unordered_map<std::string_view, int>> by_group;
  std::unordered_map<std::string_view, std::pair<int, int>> group_span;  // first and past-last position
  std::vector<bool> is_flag;  // by field position: a 0/1 switch that also takes true/false
  int count = 0;

  static const FieldIndex& Get() {
    static const FieldIndex index = [] {
      FieldIndex i;
      Job job;
      ForEachJobField(job, [&](const JobField& f) {
        auto [span, first] = i.group_span.try_emplace(f.group, i.count, i.count);
        span->second.second = i.count + 1;
        i.by_group[f.group][f.key] = i.count++;
        const JobKey* key = FindJobKey(fmt::format("{}.{}", f.group, f.key));
        i.is_flag.push_back(key && key->role == KeyRole::kFlag);
      });
      return i;
    }();
    return index;
  }
};

std::string GroupList() {
  std::string list;
  for (std::string_view g : JobGroups()) list += (list.empty() ? "" : ", ") + std::string(g);
  return list;
}

// Reads the JSON text straight into the Job record as it is parsed, so that a check costs
// little more than parsing: no document tree is built. The first problem stops the parse
// with a message naming the key.
class JobSaxReader final : public nlohmann::json_sax<json> {
 public:
  JobSaxReader(std::string_view file, JsonJob& job) : file_(file), out_(job) {
    fields_.resize(static_cast<std::size_t>(index_.count));
    std::size_t position = 0;
    ForEachJobField(out_.job, [&](const JobField& f) { fields_[position++] = f; });
    seen_.assign(fields_.size(), false);
  }

  Message error;  // set when the job is refused (not for syntax errors)
  bool syntax_error = false;
  std::size_t error_byte = 0;
  std::string syntax_message;

  bool null() override { return Scalar("null", [](auto*) { return false; }); }
  bool boolean(bool v) override {
    if (depth_ == 2 && !in_array_ && IsFlag()) return Integer(v ? 1 : 0);
    return Scalar("boolean", [](auto*) { return false; });
  }
  bool number_integer(number_integer_t v) override { return Integer(v); }
  bool number_unsigned(number_unsigned_t v) override {
    return v > number_unsigned_t(INT64_MAX) ? Integer(INT64_MAX) : Integer(number_integer_t(v));
  }
  // The quick pass gives a number's value without its text, which is not needed here.
  bool number_value(number_float_t v) { return number_float(v, {}); }
  bool number_float(number_float_t v, const string_t&) override {
    return Scalar("number", [&](auto* p) {
      using T = std::remove_pointer_t<decltype(p)>;
      if constexpr (std::is_same_v<T, double>) {
        *p = v;
        return true;
      } else {
        return false;
      }
    });
  }
  bool string(string_t& v) override {
    return Scalar("string", [&](auto* p) {
      using T = std::remove_pointer_t<decltype(p)>;
      if constexpr (std::is_same_v<T, std::string>) {
        *p = v;
        return true;
      } else {
        return false;
      }
    });
  }
  bool binary(binary_t&) override { return Scalar("binary", [](auto*) { return false; }); }

  bool start_object(std::size_t) override {
    if (depth_ == 0) {
      depth_ = 1;
      return true;
    }
    if (depth_ == 1) {
      depth_ = 2;
      return true;
    }
    return Refuse("object");
  }
  bool end_object() override {
    --depth_;
    return true;
  }
  bool key(string_t& k) override { return key_view(k); }
  // The quick pass hands keys over without copying them.
  bool key_view(std::string_view k) {
    if (depth_ == 1) {
      group_ = index_.by_group.find(k);
      if (group_ == index_.by_group.end()) {
        const std::string nearest = NearestJobGroup(k);
        return Fail(nearest.empty() ? Message(MessageId::kJsonUnknownGroup, k, GroupList())
                                    : Message(MessageId::kJsonUnknownGroupNearest, k, nearest, GroupList()));
      }
      group_name_ = group_->first;
      for (std::string_view g : seen_groups_)
        if (g == group_name_) return Fail(Message(MessageId::kJsonGroupTwice, group_name_));
      seen_groups_.push_back(group_name_);
      std::tie(next_, group_end_) = index_.group_span.at(group_name_);
      return true;
    }
    // Keys mostly come in the record's order, as every written job has them: the group's
    // field after the last one is tried before the index.
    if (next_ < group_end_ && fields_[static_cast<std::size_t>(next_)].key == k) {
      field_index_ = static_cast<std::size_t>(next_);
    } else {
      const auto f = group_->second.find(k);
      if (f == group_->second.end()) {
        const std::string dotted = fmt::format("{}.{}", group_name_, k);
        const std::string nearest = NearestJobKey(dotted);
        return Fail(nearest.empty() ? Message(MessageId::kJsonUnknownKey, dotted)
                                    : Message(MessageId::kJsonUnknownKeyNearest, dotted, nearest));
      }
      field_index_ = std::size_t(f->second);
    }
    field_ = &fields_[field_index_];
    next_ = static_cast<int>(field_index_) + 1;
    if (seen_[field_index_]) return Fail(Message(MessageId::kJsonKeyTwice, Key()));
    seen_[field_index_] = true;
    return true;
  }
  bool start_array(std::size_t) override {
    if (depth_ != 2 || in_array_) return Refuse("array");
    const bool is_array = std::holds_alternative<std::array<double, 6>*>(field_->ref) ||
                          std::holds_alternative<std::array<double, 8>*>(field_->ref);
    if (!is_array) return Refuse("array");
    in_array_ = true;
    array_index_ = 0;
    return true;
  }
  bool end_array() override {
    in_array_ = false;
    if (array_index_ != ArraySize()) return ArrayLengthError();
    out_.present.insert(field_index_);
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& ex) override {
    syntax_error = true;
    error_byte = position;
    syntax_message = ex.what();
    return false;
  }

 private:
  std::size_t ArraySize() const {
    return std::holds_alternative<std::array<double, 6>*>(field_->ref) ? 6 : 8;
  }
  std::string Key() const { return fmt::format("{}.{}", field_->group, field_->key); }
  bool IsFlag() const { return field_ && index_.is_flag[field_index_]; }
  bool Fail(Message message) {
    error = std::move(message.About(std::string(file_)));
    return false;
  }
  bool ArrayLengthError() {
    return Fail(Message(MessageId::kJsonArrayLength, Key(), ArraySize()));
  }
  // A value where none of its kind may stand.
  bool Refuse(std::string_view found) {
    if (depth_ == 0) return Fail(Message(MessageId::kJsonNotObject, Term{std::string(found)}));
    if (depth_ == 1) return Fail(Message(MessageId::kJsonExpectedObject, group_name_, Term{std::string(found)}));
    if (in_array_) return ArrayLengthError();
    return Fail(Message(MessageId::kJsonExpected, Key(), Wanted(), Term{std::string(found)}));
  }
  Message Wanted() const {
    const bool flag = IsFlag();
    return std::visit(
        [flag](auto* p) -> Message {
          using T = std::remove_pointer_t<decltype(p)>;
          if constexpr (std::is_same_v<T, double>) return Message(MessageId::kJsonWantNumber);
          else if constexpr (std::is_same_v<T, int>)
            return Message(flag ? MessageId::kJsonWantFlag : MessageId::kJsonWantInteger);
          else if constexpr (std::is_same_v<T, std::string>) return Message(MessageId::kJsonWantString);
          else return Message(MessageId::kJsonWantArray, std::tuple_size_v<T>);
        },
        field_->ref);
  }
  template <class Store>
  bool Scalar(std::string_view found, Store&& store) {
    if (depth_ < 2) return Refuse(found);
    if (in_array_) {
      if (array_index_ >= ArraySize()) return ArrayLengthError();
      double* slot = std::holds_alternative<std::array<double, 6>*>(field_->ref)
                         ? &(*std::get<std::array<double, 6>*>(field_->ref))[array_index_]
                         : &(*std::get<std::array<double, 8>*>(field_->ref))[array_index_];
      if (!store(slot)) return Fail(Message(MessageId::kJsonArrayItem, Key(), array_index_, Term{std::string(found)}));
      ++array_index_;
      return true;
    }
    if (!std::visit(store, field_->ref)) return Refuse(found);
    out_.present.insert(field_index_);
    return true;
  }
  bool Integer(number_integer_t v) {
    if (depth_ == 2 && !in_array_ && IsFlag() && v != 0 && v != 1)
      return Fail(Message(MessageId::kJsonFlagNot01, Key(), v));
    return Scalar("integer", [&](auto* p) {
      using T = std::remove_pointer_t<decltype(p)>;
      if constexpr (std::is_same_v<T, double>) {
        *p = double(v);
        return true;
      } else if constexpr (std::is_same_v<T, int>) {
        if (v < INT32_MIN || v > INT32_MAX) return false;
        *p = int(v);
        return true;
      } else {
        return false;
      }
    });
  }

  std::string_view file_;
  JsonJob& out_;
  const FieldIndex& index_ = FieldIndex::Get();
  std::vector<JobField> fields_;
  int depth_ = 0;
  decltype(FieldIndex::by_group)::const_iterator group_;
  std::string_view group_name_;
  int next_ = 0, group_end_ = 0;  // the field expected next and the end of the group's fields
  const JobField* field_ = nullptr;
  std::size_t field_index_ = 0;
  std::vector<bool> seen_;                     // by field position: a key given twice is refused
  std::vector<std::string_view> seen_groups_;
  bool in_array_ = false;
  std::size_t array_index_ = 0;
};

}  // namespace

namespace {

// A job read to its end: one family at most.
LoadError AcceptJob(JsonJob&& result, std::string_view file, JsonJob& out) {
  if (Message why = FamilyFlagsProblem(result.job); !why.empty()) return Fail(why.About(std::string(file)));
  out = std::move(result);
  return {};
}

}  // namespace

LoadError ParseJsonJob(std::string_view text, std::string_view file, JsonJob& out) {
  JsonJob result;
  {
    JobSaxReader quick(file, result);
    if (QuickSaxParse(text, quick)) return AcceptJob(std::move(result), file, out);
  }
  // What the quick pass leaves (a job to refuse, mostly) is read again from the start, so
  // that every message is the one nlohmann's parser leads to.
  result = JsonJob();
  JobSaxReader reader(file, result);
  const bool ok = json::sax_parse(text.begin(), text.end(), &reader);
  if (reader.syntax_error) {
    const auto [line, column] = LineColumn(text, reader.error_byte > 0 ? reader.error_byte - 1 : 0);
    std::string what = reader.syntax_message;
    // nlohmann's text repeats the position; keep only its explanation.
    if (auto pos = what.find("syntax error while parsing"); pos != std::string::npos) what = what.substr(pos);
    const bool comma = AfterDecimalComma(text, reader.error_byte > 0 ? reader.error_byte - 1 : 0);
    return Fail(Message(MessageId::kJsonSyntax, line, column, what,
                        comma ? Message(MessageId::kJsonDecimalComma) : Message(MessageId::kText, ""))
                    .About(std::string(file)));
  }
  if (!ok || !reader.error.empty())
    return Fail(reader.error.empty() ? Message(MessageId::kJsonNotAJob).About(std::string(file)) : reader.error);
  return AcceptJob(std::move(result), file, out);
}

std::string WriteJsonJob(Job job) {
  json root = json::object();
  ForEachJobField(job, [&](const JobField& f) {
    json& slot = root[std::string(f.group)][std::string(f.key)];
    std::visit([&slot](auto* p) { slot = *p; }, f.ref);
  });
  return root.dump(2) + "\n";
}

}  // namespace traxen
