#include "core/text/scalar_reader.h"

namespace quorvane {
namespace {

struct ScalarValue {
  DataType operator()(const Id& id) const { return DataType::id(id); }
  DataType operator()(float number) const { return DataType::number(number); }
  DataType operator()(bool flag) const { return DataType::boolean(flag); }
  DataType operator()(std::string_view text) const { return DataType::text(trim_quotes(text)); }
};

}  // namespace

DataType read_non_text_scalar(std::string_view text) {
  return visit_scalar(text, ScalarValue{});
}

}  // namespace quorvane
