// Hand-written until the subfile classes are generated: the flow of the
// Lines panel's subfile 1, as the panel names it.
import com.quenora.*;

public class wlines_flow01 implements QNSubfileFlow {
  public wlines_flow01() {}
}
