/** An edit field of a work panel. */
public class QNEdit extends QNControl {}
