/** A label. */
public class ILabel extends QNControl {}
