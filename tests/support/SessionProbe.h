#pragma once

// The session's records as tests and the fuzzer set them up: states the intents would take
// long to reach. The program itself changes them only through the session's intents.

#include "Session.h"

struct SessionProbe
{
    static ConsultationState &state(Session &session) { return session.m_state; }
    static JournalState &journal(Session &session) { return session.m_journal; }
};
