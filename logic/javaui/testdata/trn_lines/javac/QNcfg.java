// The configuration class the model's generation writes, as the main method
// and refClasses name it.
public class QNcfg {
}
