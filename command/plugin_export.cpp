// Placeholder until the entry point lands.
