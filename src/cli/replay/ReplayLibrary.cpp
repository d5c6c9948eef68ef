// The replay library: scenario parsing, scripted host and state dump.
