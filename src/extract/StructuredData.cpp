#include "extract/StructuredData.h"

#include <cstddef>
#include <nlohmann/json.hpp>

namespace lumbrant {

namespace {

constexpr std::size_t kMaxDepth = 64;

using Json = nlohmann::json;

// Keeps the longest string value of an "articleBody" key.
class ArticleBodyReader : public nlohmann::json_sax<Json> {
public:
    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool string(string_t& value) override {
        if (LastKeyIsBody_ && value.size() > Body.size()) {
            Body = std::move(value);
        }
        return Value();
    }
    bool start_object(std::size_t) override { return Enter(); }
    bool end_object() override { return Leave(); }
    bool start_array(std::size_t) override { return Enter(); }
    bool end_array() override { return Leave(); }
    bool key(string_t& name) override {
        LastKeyIsBody_ = name == "articleBody";
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

    std::string Body;

private:
    bool Value() {
        LastKeyIsBody_ = false;
        return true;
    }
    bool Enter() {
        LastKeyIsBody_ = false;
        return ++Depth_ <= kMaxDepth;
    }
    bool Leave() {
        --Depth_;
        return true;
    }

    std::size_t Depth_ = 0;
    bool LastKeyIsBody_ = false;
};

} // namespace

std::string StructuredArticleBody(const std::vector<std::string>& scripts) {
    ArticleBodyReader reader;
    for (const std::string& script : scripts) {
        Json::sax_parse(script, &reader, nlohmann::detail::input_format_t::json, false);
    }
    return std::move(reader.Body);
}

} // namespace lumbrant
