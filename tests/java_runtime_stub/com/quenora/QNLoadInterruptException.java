// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A subfile's load stopped before its end.
public class QNLoadInterruptException extends Exception {}
