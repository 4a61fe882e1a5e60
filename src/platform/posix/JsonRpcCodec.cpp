#include "platform/posix/JsonRpcCodec.h"

#include <nlohmann/json.hpp>

namespace harvex2::platform {

namespace {

using nlohmann::json;

json toJson(const JsonRpcParam& param);

json paramsOf(const JsonRpcCall& call) {
    json params = json::array();
    for (const JsonRpcParam& param : call.params) {
        params.push_back(toJson(param));
    }
    return params;
}

json toJson(const JsonRpcCallList& list) {
    json calls = json::array();
    for (const JsonRpcCall& call : list.calls) {
        calls.push_back({{"methodName", call.method}, {"params", paramsOf(call)}});
    }
    return calls;
}

json toJson(const JsonRpcParam& param) {
    return std::visit(
        [](const auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, JsonRpcCallList>) {
                return toJson(value);
            } else {
                return json(value);
            }
        },
        param);
}

// Throws json::exception when a text is not UTF-8.
std::string encodeCall(const JsonRpcCall& call, std::size_t id) {
    return json{{"jsonrpc", "2.0"}, {"id", id}, {"method", call.method}, {"params", paramsOf(call)}}
        .dump();
}

JsonRpcBatchResult badAnswer(std::string detail) {
    return {JsonRpcFailure::BadAnswer, std::move(detail), {}};
}

JsonRpcAnswer answerFrom(const json& reply) {
    JsonRpcAnswer answer;
    if (const auto error = reply.find("error"); error != reply.end()) {
        answer.isError = true;
        answer.errorCode = error->value("code", std::int64_t{0});
        answer.errorMessage = error->value("message", std::string{});
        return answer;
    }
    const json& result = reply.at("result");
    answer.resultIsText = result.is_string();
    answer.result = answer.resultIsText ? result.get<std::string>() : result.dump();
    return answer;
}

} // namespace

EncodedBatch JsonRpcCodec::encode(const std::vector<JsonRpcCall>& calls) {
    EncodedBatch batch;
    batch.answers.resize(calls.size());
    batch.sent.resize(calls.size());
    batch.body = "[";
    for (std::size_t i = 0; i < calls.size(); ++i) {
        try {
            const std::string call = encodeCall(calls[i], i);
            batch.body += (batch.sentCount++ == 0 ? "" : ",") + call;
            batch.sent[i] = true;
        } catch (const json::exception&) {
            batch.answers[i] = {true, {}, 0, "The link is not valid UTF-8."};
        }
    }
    batch.body += "]";
    return batch;
}

JsonRpcBatchResult JsonRpcCodec::decode(std::string_view body, EncodedBatch batch) {
    const json replies = json::parse(body, nullptr, false);
    std::size_t answered = 0;
    try {
        if (!replies.is_array()) {
            // A peer that could not read the batch at all answers with one error object.
            return badAnswer(replies.is_object() && replies.contains("error")
                                 ? answerFrom(replies).errorMessage
                                 : "The answer is not a list of JSON-RPC answers.");
        }
        for (const json& reply : replies) {
            const auto id = reply.at("id").get<std::size_t>();
            if (id >= batch.sent.size() || !batch.sent[id]) {
                return badAnswer("The answer names a call that was not made.");
            }
            batch.sent[id] = false;
            batch.answers[id] = answerFrom(reply);
            ++answered;
        }
    } catch (const json::exception&) {
        return badAnswer("The answer is not a list of JSON-RPC answers.");
    }
    if (answered != batch.sentCount) {
        return badAnswer("Some calls were not answered.");
    }
    return {JsonRpcFailure::None, {}, std::move(batch.answers)};
}

} // namespace harvex2::platform
