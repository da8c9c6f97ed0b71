#include "newsdesk/CommandLine.h"

#include "newsdesk/Loopback.h"

#include <charconv>

namespace newsdesk {
namespace {

std::optional<int> ParseNumber(std::string_view text, int lo, int hi) {
    int value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (code != std::errc() || end != text.data() + text.size() || value < lo || value > hi) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::set<int>> ParseNumberList(std::string_view text) {
    std::set<int> numbers;
    while (true) {
        const std::size_t comma = text.find(',');
        const auto number = ParseNumber(text.substr(0, comma), 1, 8 * kMaxStoriesPerSection);
        if (!number) {
            return std::nullopt;
        }
        numbers.insert(*number);
        if (comma == std::string_view::npos) {
            return numbers;
        }
        text.remove_prefix(comma + 1);
    }
}

struct NumberOption {
    std::string_view Name;
    int Options::*Field;
    int Lo;
    int Hi;
};

constexpr NumberOption kNumberOptions[] = {
    {"--port", &Options::Port, 0, 65535},
    {"--stories", &Options::StoriesPerSection, 0, kMaxStoriesPerSection},
    {"--latency-ms", &Options::LatencyMs, 0, 600000},
    {"--stall-ms", &Options::StallMs, 0, 3600000},
    {"--threads", &Options::Threads, 1, 256},
};

struct ListOption {
    std::string_view Name;
    std::set<int> Options::*Field;
};

constexpr ListOption kListOptions[] = {
    {"--fail", &Options::FailStories},
    {"--redirect", &Options::RedirectStories},
    {"--stall", &Options::StallStories},
};

// Applies one option with its value; false with a reason on a mistake.
bool Apply(std::string_view name, std::string_view value, Options& options, std::string& error) {
    if (name == "--host") {
        if (!LoopbackAddress(value)) {
            error = "refusing to listen on '" + std::string(value) +
                    "': only loopback addresses (127.x.x.x, localhost) are allowed";
            return false;
        }
        options.Host = std::string(value);
        return true;
    }
    for (const auto& option : kNumberOptions) {
        if (name == option.Name) {
            const auto number = ParseNumber(value, option.Lo, option.Hi);
            if (!number) {
                error = std::string(name) + " needs a number from " + std::to_string(option.Lo) +
                        " to " + std::to_string(option.Hi) + ", not '" + std::string(value) + "'";
                return false;
            }
            options.*option.Field = *number;
            return true;
        }
    }
    for (const auto& option : kListOptions) {
        if (name == option.Name) {
            const auto numbers = ParseNumberList(value);
            if (!numbers) {
                error = std::string(name) + " needs story numbers separated by commas, not '" +
                        std::string(value) + "'";
                return false;
            }
            options.*option.Field = *numbers;
            return true;
        }
    }
    error = "unknown option '" + std::string(name) + "'";
    return false;
}

} // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (name == "--help" || name == "-h") {
            result.Help = true;
            continue;
        }
        std::string_view value;
        const std::size_t equals = name.find('=');
        if (name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "option '" + std::string(name) + "' needs a value";
            return std::nullopt;
        }
        if (!Apply(name, value, result.Desk, error)) {
            return std::nullopt;
        }
    }
    return result;
}

std::string UsageText() {
    return "usage: newsdesk [--host 127.0.0.1] [--port N] [--stories N] [--latency-ms N]\n"
           "                [--fail N,N] [--redirect N,N] [--stall N,N] [--stall-ms N]\n"
           "                [--threads N]\n"
           "Serves a news front page at /news?ned=tus and /news?ned=tuk and an article page\n"
           "for every story on them, and each section's feed at /feeds/tus/TO.xml (RSS) and\n"
           "/feeds/tuk/TO.xml (Atom), TO to HE, and feeds of odd shapes of tus's TO stories at\n"
           "/feeds/odd/SHAPE.xml (rdf, relative, base, cp1251, greek, latin1, nbsp, broken,\n"
           "media). Story numbers count from 1 down an edition's page.\n"
           "  --host        loopback address to listen on (default 127.0.0.1)\n"
           "  --port        port to listen on; 0 picks a free one (default 0)\n"
           "  --stories     stories per section, 0 to 1000 (default 3)\n"
           "  --latency-ms  wait before every answer (default 0)\n"
           "  --fail        these stories' article pages answer 404\n"
           "  --redirect    these stories' article pages answer 302 to another address\n"
           "  --stall       these stories' article pages answer nothing for --stall-ms\n"
           "  --stall-ms    how long a stalled answer is held (default 120000)\n"
           "  --threads     requests served at the same time (default 16)\n"
           "Runs until interrupted (SIGINT or SIGTERM).\n";
}

} // namespace newsdesk
