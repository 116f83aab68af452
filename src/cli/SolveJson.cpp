#include "cli/SolveJson.h"

#include "model/JsonText.h"
#include "solve/SolveSummary.h"

std::string LeverJson(const Lever& lever, std::int64_t planValue, const std::string& extra) {
  return "{\"name\":" + JsonQuoted(LeverKey(lever)) + ",\"words\":" + JsonQuoted(LeverWords(lever)) +
         ",\"unit\":" + JsonQuoted(UnitKey(lever)) + ",\"plan\":" + LeverValueNumber(lever, planValue) + extra + "}";
}

std::string TargetAndOddsJson(const SolveRequest& request) {
  return "\"target\":{\"key\":" + JsonQuoted(TargetKey(request.target)) +
         ",\"words\":" + JsonQuoted(TargetWords(request.target)) +
         "},\"odds\":" + (request.odds ? PercentNumber(request.odds->percentHundredths) : std::string("null"));
}

std::string OutcomeJson(const SolveRequest& request, const ValueOutcome& outcome) {
  std::string json = "{\"value\":" + LeverValueNumber(request.lever, outcome.value) +
                     ",\"holds\":" + (outcome.holds ? "true" : "false") +
                     ",\"text\":" + JsonQuoted(OutcomeWords(request, outcome));
  if (outcome.odds) {
    json += ",\"trials\":" + std::to_string(outcome.odds->trials);
    json += ",\"met\":" + (outcome.odds->complete ? std::to_string(outcome.odds->met) : std::string("null"));
  } else {
    json += ",\"year\":" + (outcome.check.year ? std::to_string(outcome.check.year) : std::string("null"));
  }
  return json + "}";
}

std::string ResultJson(const SolveRequest& request, const SolveResult& result) {
  const bool solved = result.status == SolveStatus::Solved;
  const bool pair = solved || result.status == SolveStatus::NotMonotone;
  return "\"status\":" + JsonQuoted(StatusKey(result.status)) +
         ",\"answer\":" + (solved ? LeverValueNumber(request.lever, result.answer.value) : std::string("null")) +
         ",\"atAnswer\":" + OutcomeJson(request, result.answer) +
         ",\"atNeighbour\":" + (pair ? OutcomeJson(request, result.neighbour) : std::string("null")) +
         ",\"reason\":" + (solved ? std::string("null") : JsonQuoted(result.reason));
}
