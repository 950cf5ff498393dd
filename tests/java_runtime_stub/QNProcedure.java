/** A procedure. */
public class QNProcedure extends QNProgram {}
