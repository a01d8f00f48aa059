#pragma once
// Plays one consultation script: asks each question in the session window, follows the
// script's branches and the topic's built-in rule, and at the end shows the transcript
// with the conclusions.

namespace kvx {

struct App;

// Runs one session for app.consult.ConsultTopic (1 to 7) and ConsultCompany. Returns when
// the transcript window has been closed, when the user quits a question, or after an
// error, which is reported under the name "Consult". A script that comes back to a
// question through "@GO" or "@BR" without asking anything in between is stopped with an
// error there, instead of going round for ever.
void Consult(App& app);

}  // namespace kvx
