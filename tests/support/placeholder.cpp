// Shared helpers for the Qt tests.
