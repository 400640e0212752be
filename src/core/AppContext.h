#pragma once

class Database;
class MessageService;
class Clock;
struct Session;

// What every logic class works with: the shared connection, the run's
// main-window values, the message seam and the clock. Owned by the program
// (or by a test) and handed to each logic class.
struct AppContext {
    Database &db;
    Session &session;
    MessageService &messages;
    const Clock &clock;
};
