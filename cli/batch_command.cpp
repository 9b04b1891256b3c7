#include "cli/batch_command.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/game_file_report.h"
#include "cli/item_commands.h"
#include "cli/item_request.h"
#include "cli/name_match.h"

namespace pricewright {

namespace {
using Json = nlohmann::ordered_json;

enum class LineRead { Line, TooLong, End };

// The next line without its end, of at most kLongestRequestLine bytes; the
// rest of a longer one is read past and dropped.
LineRead readLine(std::istream& in, std::string& line) {
  line.clear();
  bool tooLong = false;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    if (c == '\n') return tooLong ? LineRead::TooLong : LineRead::Line;
    if (line.size() == kLongestRequestLine)
      tooLong = true;
    else
      line.push_back(static_cast<char>(c));
  }
  if (tooLong) return LineRead::TooLong;
  return line.empty() ? LineRead::End : LineRead::Line;
}

// What is wrong with a request line: a RuntimeError, so that it answers as any other error does.
RuntimeError badRequest(ErrorNumber number, const std::string& whatFailed) { return {number, whatFailed}; }

// A text field: a JSON string, or a number as its text; null or absent is none.
std::optional<std::string> textField(const Json& request, std::string_view key, bool numbersToo) {
  const auto found = request.find(key);
  if (found == request.end() || found->is_null()) return std::nullopt;
  if (found->is_string()) return found->get<std::string>();
  if (numbersToo && found->is_number()) return found->dump();
  throw badRequest(ErrorNumber::TypeMismatch, "The request's \"" + std::string(key) + "\" must be " +
                                                  (numbersToo ? "a text or a number." : "a text."));
}

struct Request {
  const ItemCommandSpec* command = nullptr;
  ItemRequest item;
};

Request parsed(const Json& request) {
  if (!request.is_object()) throw badRequest(ErrorNumber::TypeMismatch, "A request must be a JSON object.");
  std::vector<std::string_view> keys{"id", "command", kNormalOnlyKey};
  for (const ListOption& option : kListOptions) {
    keys.push_back(option.key);
    if (option.typed) keys.push_back(option.typedKey);
  }
  for (const auto& [key, value] : request.items())
    if (std::ranges::find(keys, key) == keys.end())
      throw badRequest(ErrorNumber::InvalidProcedureCall, "A request has no key \"" + key + "\".");
  Request parsedRequest;
  const std::optional<std::string> command = textField(request, "command", false);
  parsedRequest.command = command ? itemCommandNamed(*command) : nullptr;
  if (!parsedRequest.command) {
    std::string known;
    for (const ItemCommandSpec& each : kItemCommands)
      known += (known.empty() ? "\"" : ", \"") + std::string(each.name) + "\"";
    throw badRequest(
        ErrorNumber::InvalidProcedureCall,
        (command ? "There is no command \"" + *command + "\"" : std::string("A request names its command")) +
            ": the commands are " + known + ".");
  }
  const bool typedValues = parsedRequest.command->typedValues;
  for (const ListOption& option : kListOptions) {
    parsedRequest.item.*option.name = textField(request, option.key, false);
    if (option.typed) {
      const std::optional<std::string> typed = textField(request, option.typedKey, true);
      if (typed && !typedValues)
        throw badRequest(ErrorNumber::InvalidProcedureCall,
                         "The command \"" + std::string(parsedRequest.command->name) + "\" takes no \"" +
                             std::string(option.typedKey) + "\".");
      parsedRequest.item.*option.typed = typed;
    }
  }
  if (const auto normal = request.find(kNormalOnlyKey); normal != request.end() && !normal->is_null()) {
    if (!normal->is_boolean())
      throw badRequest(ErrorNumber::TypeMismatch, R"(The request's "normal_only" must be true or false.)");
    if (!typedValues && normal->get<bool>())
      throw badRequest(ErrorNumber::InvalidProcedureCall, "The command \"" +
                                                              std::string(parsedRequest.command->name) +
                                                              R"(" takes no "normal_only".)");
    parsedRequest.item.normalItemOnly = normal->get<bool>();
  }
  if (parsedRequest.command->baseRequired && !parsedRequest.item.base)
    throw badRequest(ErrorNumber::InvalidProcedureCall,
                     "The command \"" + std::string(parsedRequest.command->name) + R"(" needs a "base".)");
  return parsedRequest;
}

// The answer to one request line, as one JSON object.
Json answer(const OpenedFile& file, ItemAnswers& answers, const std::string& line, LineRead read) {
  Json id = nullptr;
  try {
    if (read == LineRead::TooLong)
      throw badRequest(ErrorNumber::InvalidProcedureCall,
                       "The line is longer than " + std::to_string(kLongestRequestLine) + " bytes.");
    const Json request = Json::parse(line, nullptr, false);
    if (request.is_discarded()) throw badRequest(ErrorNumber::TypeMismatch, "The line is not JSON.");
    if (request.is_object() && request.contains("id")) id = request["id"];
    const Request asked = parsed(request);
    const PickedItem picked = pickedItem(asked.item, file.entries);
    ItemAnswer answered = answers.answer(asked.command->command, picked, false);
    return {{"id", id}, {"command", asked.command->name}, {"result", std::move(answered.json)}};
  } catch (const UsageError& error) {
    return {{"id", id}, {"error", errorJson(RuntimeError(ErrorNumber::InvalidProcedureCall, error.what()))}};
  } catch (const RuntimeError& error) {
    return {{"id", id}, {"error", errorJson(error)}};
  }
}
}  // namespace

void runBatch(const OpenedFile& file, Players players, std::istream& in, std::ostream& out) {
  const auto write = [&](const Json& json) {
    out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
    out.flush();
  };
  write({{"game_file", gameFileJson(file.game.version)}});
  ItemAnswers answers(file.game, players);
  std::string line;
  for (LineRead read = readLine(in, line); read != LineRead::End; read = readLine(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (read == LineRead::Line && line.find_first_not_of(" \t") == std::string::npos) continue;
    write(answer(file, answers, line, read));
  }
}

}  // namespace pricewright
