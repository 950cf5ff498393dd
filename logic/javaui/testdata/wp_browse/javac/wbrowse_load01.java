// Hand-written until the subfile classes are generated: the load producer
// of the Browse panel's subfile 1.
import com.quenora.*;

public class wbrowse_load01 extends QNLoadProducer {
  public wbrowse_load01() {}
}
