#include "wording.h"

#include <atomic>
#include <vector>

namespace lumenary
{

namespace
{

std::atomic<TranslateFunction>& translateFunction()
{
    static std::atomic<TranslateFunction> function{nullptr};
    return function;
}

} // namespace

std::string translate(const char* context, const char* english)
{
    if (const TranslateFunction function = translateFunction().load())
        return function(context, english);
    return english;
}

void setTranslateFunction(TranslateFunction function)
{
    translateFunction().store(function);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            out += values[number - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace lumenary
